// Owns the game window and draws the engine's character-cell picture into it:
// every character is a coloured glyph on a cell-sized rectangle of the
// window's background colour, placed by its position in the view. A frame's
// characters are collected and drawn together when the frame is shown, or
// before anything else is drawn on the window. However the window is
// resized, the picture keeps its proportions, centred in the window.
#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <memory>
#include <string>

#include "core/Manager.h"
#include "presentation/CellBatch.h"
#include "presentation/Color.h"
#include "resources/FileStream.h"
#include "resources/Frame.h"
#include "world/Vector.h"

namespace vt {

/// The most bytes a font file may hold; the largest fonts are a few tens
/// of megabytes.
const std::uint64_t MAX_FONT_BYTES = 64 << 20;

/// Placement of a drawn string relative to its position.
enum Justification {
  LEFT_JUSTIFIED = 0,
  CENTER_JUSTIFIED = 1,
  RIGHT_JUSTIFIED = 2,
};

class GraphicsManager : public Manager {
 public:
  static GraphicsManager& getInstance();

  ~GraphicsManager() override;

  /// Opens the configured window and loads the font; 0 also when the window
  /// is already open, -1 when no window or font could be had.
  int startUp() override;

  /// Closes the window and releases the drawing objects.
  void shutDown() override;

  /// Draws one character at a world position on a blank cell; -1 when not
  /// started.
  int drawCh(Vector world_pos, char ch, Color color);

  /// Draws a string along a row, starting at, centred on or ending at the
  /// position; -1 when not started.
  int drawString(Vector world_pos, std::string str, Justification just, Color color);

  /// Draws a frame with its top-left or, if centered, its middle character at
  /// the position. Characters equal to transparent are left out, unless it is
  /// the NUL character. -1 when not started or the frame is empty.
  int drawFrame(Vector world_pos, Frame frame, bool centered, Color color, char transparent);

  /// Shows the finished picture and clears the window for the next one.
  int swapBuffers();

  /// The window, null when there is none. The characters drawn so far go
  /// on it first, so that whatever the caller draws comes after them.
  sf::RenderWindow* getWindow() const;

  /// Fits the picture into a window resized to width by height pixels:
  /// as large as it fits with its proportions kept, centred.
  void fitWindow(unsigned width, unsigned height);

  /// A pixel of the window as a pixel of the picture, which the window may
  /// show larger or smaller; unchanged without a window.
  Vector windowToPicture(int x, int y) const;

  /// The characters drawn since the picture was last put on the window.
  CellBatch& getBatch() const;

  /// Window size in character cells.
  int getHorizontal() const;
  int getVertical() const;

  /// Window size in pixels.
  int getHorizontalPixels() const;
  int getVerticalPixels() const;

 private:
  GraphicsManager();
  /// Opens the window of the configured size; -1 when there is none to have.
  int openWindow();
  void releaseWindow();

  std::unique_ptr<FileStream> p_font_file;  // read by the font as glyphs are needed
  sf::Font font;
  std::unique_ptr<sf::RenderWindow> p_window;
  int window_horizontal_pixels;
  int window_vertical_pixels;
  int window_horizontal_chars;
  int window_vertical_chars;
  sf::Color background_color;
  mutable CellBatch batch;
};

/// Width of one character cell in pixels.
float charWidth();

/// Height of one character cell in pixels.
float charHeight();

/// Glyph size in pixels: the configured font scale times the smaller cell side.
unsigned glyphSize();

/// A position in cells converted to pixels.
Vector spacesToPixels(Vector spaces);

/// A position in pixels converted to cells.
Vector pixelsToSpaces(Vector pixels);

}  // namespace vt
