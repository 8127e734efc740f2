// One frame of the picture as data: a grid of cells the size of the window
// in cells, each holding the character last drawn in it and its colour; the
// characters drawn at positions that are not whole cells of the grid, at
// their exact place; the shapes; and the order in which all of them were
// drawn, which the outputs keep where drawings overlap. Read as text, a
// character between cells shows in the cell nearest its place. The graphics
// manager fills one while a frame is drawn and keeps the last one shown, so
// that tests and tools read the picture as text; each output (the window,
// the terminal, the browser) presents it in its own way.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "presentation/Color.h"

namespace vt {

/// A character at a position in view cells, which may be fractional.
struct ScreenChar {
  float x;
  float y;
  char ch;
  Color color;
};

/// A filled regular polygon, in pixels of the picture: a circle's outline
/// with point_count corners and the given radius, its bounding box's
/// top-left corner at (x, y) before it is turned by rotation degrees about
/// that corner. It was drawn after the first chars_before characters.
struct ScreenShape {
  std::size_t point_count;
  float radius;
  float rotation;
  float x;
  float y;
  std::uint8_t r, g, b, a;
  std::size_t chars_before;
};

class Screen {
 public:
  /// A cell of the grid; drawn false until a character lands in it.
  struct Cell {
    char ch;
    std::int8_t color;
    bool drawn;
    std::uint32_t order;  // the character that drew it, among all drawn
  };

  /// An empty screen of width by height cells (none when either is not
  /// positive).
  explicit Screen(int width = 0, int height = 0);

  /// Empties the screen and gives it a new size.
  void resize(int width, int height);

  /// Empties the screen, keeping its size.
  void clear();

  /// A character at a position in view cells: whole cells of the grid take
  /// it in their cell, any other position keeps it at its exact place.
  void putChar(float x, float y, char ch, Color color);

  /// A shape, after the characters drawn so far; its chars_before is set.
  void putShape(ScreenShape shape);

  int getWidth() const;
  int getHeight() const;

  /// Row y as text, a blank for each cell nothing was drawn in; empty for a
  /// row outside the grid. Characters between cells are read in the cell
  /// nearest their place, where the last character drawn shows.
  std::string getRow(int y) const;

  /// Every row, each ended by a line feed.
  std::string getText() const;

  /// The cell at column x, row y as read; a blank, undrawn cell outside the
  /// grid.
  Cell getCell(int x, int y) const;

  /// The characters drawn at positions that are not whole cells of the
  /// grid, in drawing order.
  std::vector<ScreenChar> getOffGrid() const;

  /// How many characters are off the grid.
  std::size_t getOffGridCount() const;

  const std::vector<ScreenShape>& getShapes() const;

  /// Every character drawn, in order, on the grid or off it.
  const std::vector<ScreenChar>& getChars() const;

  /// The grid's cells, row after row, as drawn on whole cells only.
  const std::vector<Cell>& getGridCells() const;

  /// The grid cell a character drawn at view position (x, y) takes, or -1
  /// when it is not a whole cell of the grid.
  long cellIndex(float x, float y) const;

 private:
  int width;
  int height;
  std::vector<Cell> cells;
  std::vector<ScreenChar> chars;
  std::vector<ScreenShape> shapes;
  std::size_t off_grid;
  /// The cells as read: the grid with the characters between cells in their
  /// nearest cells; made when first read.
  const std::vector<Cell>& read() const;
  mutable std::vector<Cell> seen;
  mutable bool seen_made;
};

}  // namespace vt
