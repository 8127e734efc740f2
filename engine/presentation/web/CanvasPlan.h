// What the page's canvas must draw to show a frame over the one it shows.
// A frame of whole cells only is drawn as its changed cells: the canvas
// clears round each and draws again the glyphs that reach there, in
// drawing order, so every glyph stays whole. A frame with characters
// between cells or shapes, or after one, is drawn whole: the background,
// then each character and shape in drawing order, where as in the window a
// character drawn after a shape clears its cell first and one drawn again
// in its cell before the next shape hides the one before. The records go to the
// page's drawing code as plain numbers. Internal to the web output; it
// names nothing of Emscripten and is tested on the desktop.
#pragma once

#include <cstdint>
#include <vector>

#include "presentation/Screen.h"

namespace vt {

class CanvasPlan {
 public:
  /// What a record of getOps() draws: a character (x and y in view cells,
  /// its code, a blank for one hidden, and 0xRRGGBB colour) or a shape (corners, radius, rotation,
  /// x and y in pixels, 0xRRGGBBAA colour).
  enum Op { CHAR = 0, SHAPE = 1 };
  static const int CHAR_FIELDS = 5;
  static const int SHAPE_FIELDS = 7;
  /// The grid's fields per cell: character, 0xRRGGBB colour, drawing order.
  static const int CELL_FIELDS = 3;

  CanvasPlan();

  /// The canvas shows nothing known: the next frame is drawn whole.
  void invalidate();

  /// Plans frame over the frame planned before.
  void plan(const Screen& frame);

  /// Whether the frame is drawn whole, from getOps(); else only the cells
  /// of getChanged() are drawn again, from getGrid().
  bool isWhole() const;
  const std::vector<double>& getOps() const;
  const std::vector<std::int32_t>& getChanged() const;
  const std::vector<std::int32_t>& getGrid() const;

 private:
  /// The records of chars[begin, end), drawn between two shapes.
  void addChars(const std::vector<ScreenChar>& chars, std::size_t begin, std::size_t end);

  bool whole;
  bool known;           // the canvas shows the grid below
  bool had_extras;      // the frame before had characters between cells or shapes
  int width, height;
  std::vector<double> ops;
  std::vector<std::int32_t> changed;
  std::vector<std::int32_t> grid;
};

}  // namespace vt
