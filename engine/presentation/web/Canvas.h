// The page's drawing code (library_vantle.js) as the web output calls it.
// Internal to the web output.
#pragma once

#include <cstdint>

extern "C" {

/// Whether the page has a canvas to draw on.
int vt_canvas_exists();

/// The screen's size in pixels of the page.
int vt_canvas_screen_width();
int vt_canvas_screen_height();

/// Readies the canvas for a picture of width by height pixels in columns by
/// rows cells, glyphs of glyph_size pixels of the font in font_bytes over
/// the background 0xRRGGBB; the page takes title and shows the pointer
/// over the picture or not. 0, or -1 when the font cannot be had.
int vt_canvas_open(int width, int height, int columns, int rows, int glyph_size, int background,
                   const char* font_bytes, int font_length, const char* title, int show_mouse);

/// Lets the canvas go; what it shows stays.
void vt_canvas_close();

/// Whether the canvas has lost what it showed (resized, or the font has
/// become ready) since the last call.
int vt_canvas_take_dirty();

/// Draws a frame whole from CanvasPlan's records.
void vt_canvas_whole(const double* ops, int count);

/// Draws the changed cells of a frame again from CanvasPlan's grid.
void vt_canvas_cells(const std::int32_t* grid, const std::int32_t* changed, int count);
}
