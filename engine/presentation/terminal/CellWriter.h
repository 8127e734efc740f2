// Writes the cells of a picture to a terminal as ANSI sequences, only those
// that differ from what the terminal shows already: the cursor goes to a
// changed cell by the shortest of the sequences that move it (or by
// writing the few unchanged cells between), and a colour is set only when
// it changes, a blank needing only its background. Colours are the 8
// standard ones (nearest to each colour; exact for the engine's), or 24-bit
// where the terminal takes them. A full redraw clears the terminal in the
// picture's background colour first, which frames the picture in it.
// Characters outside printable ASCII are written as their Latin-1 letter in
// UTF-8, or '?'. Internal to the terminal output.
#pragma once

#include <string>
#include <vector>

#include "presentation/terminal/TerminalCells.h"

namespace vt {

class CellWriter {
 public:
  CellWriter();

  /// 24-bit colours (true) or the 8 standard ones; forgets what is shown.
  void setTrueColor(bool on);

  /// The picture's background colour, 0xRRGGBB, which a full redraw
  /// clears the terminal in; forgets what is shown.
  void setBackground(std::uint32_t rgb);

  /// The terminal no longer shows what was written: the next picture is
  /// written whole.
  void invalidate();

  /// Appends to out what puts cells (width by height, row after row) on
  /// the terminal, their top-left at column left, row top (from 0), given
  /// that the terminal shows the last picture written since invalidate;
  /// empty when nothing changed.
  void write(const std::vector<TermCell>& cells, int width, int height, int left, int top,
             std::string& out);

  /// Appends to out what clears the terminal, in its own colours, and puts
  /// text on its first row, cut to columns; the next picture is written
  /// whole.
  void message(const std::string& text, int columns, std::string& out);

 private:
  /// Moves the cursor to column x, row y of the terminal.
  void moveTo(int x, int y, std::string& out);
  /// Sets the colours cell needs.
  void colorsFor(const TermCell& cell, std::string& out);
  /// Whether two colours show alike.
  bool same(std::uint32_t a, std::uint32_t b) const;
  /// Whether the terminal writes cell's background, and its character's
  /// colour, as they are now.
  bool paperFits(const TermCell& cell) const;
  bool inkFits(const TermCell& cell) const;
  /// Writes one cell at the cursor, which moves right.
  void put(const TermCell& cell, std::string& out);
  /// Whether the cells after from and before to in row are
  /// cheaper written again than skipped.
  bool bridge(const std::vector<TermCell>& cells, std::size_t row_start, int from, int to) const;

  bool true_color;
  bool valid;  // shown holds what the terminal shows
  std::vector<TermCell> shown;
  int shown_width, shown_height, shown_left, shown_top;
  int cursor_x, cursor_y;   // -1 when not known
  bool fg_known, bg_known;  // the colours the terminal writes with now
  std::uint32_t fg, bg;
  std::uint32_t background;
};

}  // namespace vt
