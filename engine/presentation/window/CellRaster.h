// The window's fast way to show a screen of cells: the picture is composed
// in memory, from each glyph as the window's own drawing renders it
// (captured once from the window), blended in drawing order exactly as the
// window's renderer blends, and only the cells that changed since the last
// frame are composed again and put on the window. It serves cells of whole
// pixels in a window showing the picture at its own size; every other
// picture is drawn through the window's renderer. Built without X11, it
// serves none. Internal to the window output.
#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <array>
#include <cstdint>
#include <vector>

#include "presentation/window/CellBatch.h"
#include "presentation/Screen.h"
#include "presentation/window/XPresenter.h"

namespace vt {

#if VANTLE_X11
class CellRaster {
 public:
  CellRaster();

  /// Readies the raster for columns by rows cells of the given pixel size
  /// over the background; false, and unused, when the cells are not whole
  /// pixels or the display cannot take the picture.
  bool setUp(sf::RenderWindow& window, int columns, int rows, float cell_width, float cell_height,
             sf::Color background);

  /// Lets go of the display; unused until set up again.
  void close();

  /// Whether the raster can show frame: it is set up, and every character
  /// off the grid stands on whole pixels.
  bool canShow(const Screen& frame) const;

  /// Shows frame on the window; false, and unused from then on, when it
  /// cannot after all. Glyphs are captured on first use, through the
  /// window's picture, which is cleared again afterwards.
  bool show(const Screen& frame, sf::RenderWindow& window, CellBatch& batch);

  /// The window shows something the raster did not put there.
  void invalidate();

 private:
  /// A glyph as the window renders it in white on black: its coverage of
  /// each pixel of its rectangle, from the glyph's origin.
  struct Tile {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint8_t> alpha;
    std::array<std::vector<std::uint32_t>, 9> over_background;  // by colour, made on use
  };

  /// What a cell shows: a glyph in a colour, or nothing; and whether it was
  /// drawn before each of its later neighbours that its ink may meet.
  struct Shown {
    std::uint8_t ch;
    std::uint8_t color;
    bool ink;
    std::uint64_t before;
    bool operator!=(const Shown& other) const;
  };

  /// A glyph to blend: its origin in pixels, character, colour and order.
  struct Stamp {
    int x, y;
    std::uint8_t ch, color;
    std::uint32_t order;
  };

  bool capture(sf::RenderWindow& window, CellBatch& batch);
  void composeAll(const Screen& frame);
  void compose(const PixelRect& rect, const std::vector<Shown>& shown,
               const std::vector<Screen::Cell>& cells);
  void blend(const Stamp& stamp, const PixelRect& clip);
  const std::vector<std::uint32_t>& overBackground(Tile& tile, std::uint8_t color);
  std::vector<Shown> shownOf(const Screen& frame) const;
  PixelRect tileRect(int column, int row, const Shown& shown) const;

  XPresenter presenter;
  bool ready;
  bool captured;
  bool valid;  // the window shows what shown says
  bool had_off_grid;
  int columns, rows, cell_width, cell_height;
  int reach_x, reach_y;  // cells a glyph's ink may reach beyond its own
  std::uint32_t background;
  std::array<Tile, 256> tiles;
  std::vector<Shown> shown;
  std::vector<Stamp> stamps;
  std::vector<PixelRect> rects;
};
#else
// Without X11 nothing puts a picture made in memory on the window.
class CellRaster {
 public:
  bool setUp(sf::RenderWindow&, int, int, float, float, sf::Color) { return false; }
  void close() {}
  bool canShow(const Screen&) const { return false; }
  bool show(const Screen&, sf::RenderWindow&, CellBatch&) { return false; }
  void invalidate() {}
};
#endif

}  // namespace vt
