// A frame as the cells of a terminal: a character with its colour on a
// background colour per cell. Characters between cells show in their
// nearest cell, as the screen reads them; a shape fills the cells whose
// middle it covers (or, too small for any, the cell of its middle) with its
// colour, over the characters drawn before it and under those drawn after
// it, as in the window. Internal to the terminal output.
#pragma once

#include <cstdint>
#include <vector>

#include "presentation/Color.h"
#include "presentation/Screen.h"

namespace vt {

/// One cell of the terminal: colours as 0xRRGGBB.
struct TermCell {
  char ch;
  std::uint32_t fg;
  std::uint32_t bg;

  bool operator==(const TermCell& other) const {
    return ch == other.ch && fg == other.fg && bg == other.bg;
  }
  bool operator!=(const TermCell& other) const { return !(*this == other); }
};

/// Fills cells, row after row, with frame's cells as a terminal shows them
/// over the background, shapes given in pixels of cell_width by cell_height
/// cells.
void composeCells(const Screen& frame, float cell_width, float cell_height, Color background,
                  std::vector<TermCell>& cells);

}  // namespace vt
