#include "presentation/terminal/CellWriter.h"

#include <string>

namespace vt {

namespace {

const char* const CSI = "\x1b[";
// Unchanged cells are written again rather than skipped when there are at
// most this many: a skip of more than one, "CSI n C", takes four bytes.
const int MAX_BRIDGE = 3;

// The standard colour nearest to rgb: each component on or off.
int standardColor(std::uint32_t rgb) {
  return ((rgb >> 23) & 1) | (((rgb >> 15) & 1) << 1) | (((rgb >> 7) & 1) << 2);
}

void appendColor(std::string& out, bool true_color, bool foreground, std::uint32_t rgb) {
  if (!true_color) {
    out += std::to_string((foreground ? 30 : 40) + standardColor(rgb));
    return;
  }
  out += foreground ? "38;2;" : "48;2;";
  out += std::to_string((rgb >> 16) & 0xff) + ";" + std::to_string((rgb >> 8) & 0xff) + ";" +
         std::to_string(rgb & 0xff);
}

}  // namespace

CellWriter::CellWriter()
    : true_color(false),
      valid(false),
      shown_width(0),
      shown_height(0),
      shown_left(0),
      shown_top(0),
      cursor_x(-1),
      cursor_y(-1),
      fg_known(false),
      bg_known(false),
      fg(0),
      bg(0),
      background(0) {}

void CellWriter::setTrueColor(bool on) {
  true_color = on;
  invalidate();
}

void CellWriter::setBackground(std::uint32_t rgb) {
  background = rgb;
  invalidate();
}

void CellWriter::invalidate() { valid = false; }

void CellWriter::moveTo(int x, int y, std::string& out) {
  if (x == cursor_x && y == cursor_y) return;
  if (y == cursor_y && x > cursor_x && cursor_x >= 0) {
    int step = x - cursor_x;
    out += CSI;
    if (step > 1) out += std::to_string(step);
    out += 'C';
  } else if (x == 0 && y == cursor_y + 1 && cursor_y >= 0) {
    out += "\r\n";
  } else {
    out += CSI;
    if (y > 0 || x > 0) out += std::to_string(y + 1);
    if (x > 0) out += ";" + std::to_string(x + 1);
    out += 'H';
  }
  cursor_x = x;
  cursor_y = y;
}

bool CellWriter::same(std::uint32_t a, std::uint32_t b) const {
  return true_color ? a == b : standardColor(a) == standardColor(b);
}

bool CellWriter::paperFits(const TermCell& cell) const { return bg_known && same(cell.bg, bg); }

bool CellWriter::inkFits(const TermCell& cell) const {
  // The colour of a blank's character shows nowhere.
  return cell.ch == ' ' || (fg_known && same(cell.fg, fg));
}

void CellWriter::colorsFor(const TermCell& cell, std::string& out) {
  bool paper = paperFits(cell), ink = inkFits(cell);
  if (paper && ink) return;
  out += CSI;
  if (!ink) appendColor(out, true_color, true, cell.fg);
  if (!ink && !paper) out += ';';
  if (!paper) appendColor(out, true_color, false, cell.bg);
  out += 'm';
  if (!ink) fg = cell.fg, fg_known = true;
  if (!paper) bg = cell.bg, bg_known = true;
}

void CellWriter::put(const TermCell& cell, std::string& out) {
  colorsFor(cell, out);
  auto c = static_cast<unsigned char>(cell.ch);
  if (c >= 0x20 && c < 0x7f) {
    out += static_cast<char>(c);
  } else if (c >= 0xa0) {
    out += static_cast<char>(0xc0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3f));
  } else {
    out += '?';
  }
  // Past the terminal's last column it waits to wrap; only "\r" or a
  // placing sequence move it from there, and a picture's row ends there.
  cursor_x++;
}

bool CellWriter::bridge(const std::vector<TermCell>& cells, std::size_t row_start, int from,
                        int to) const {
  if (to - from - 1 > MAX_BRIDGE) return false;
  for (int x = from + 1; x < to; x++) {
    const TermCell& cell = cells[row_start + static_cast<std::size_t>(x)];
    if (!paperFits(cell) || !inkFits(cell)) return false;
  }
  return true;
}

void CellWriter::write(const std::vector<TermCell>& cells, int width, int height, int left, int top,
                       std::string& out) {
  if (width <= 0 || height <= 0 ||
      cells.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    return;
  if (!valid || width != shown_width || height != shown_height || left != shown_left ||
      top != shown_top) {
    // Cleared in the background colour, the terminal shows every blank
    // cell of the picture already.
    out += CSI;
    out += "0;";
    appendColor(out, true_color, false, background);
    out += "m";
    out += CSI;
    out += "2J";
    fg_known = false;
    bg_known = true;
    bg = background;
    cursor_x = cursor_y = -1;
    shown.assign(cells.size(), TermCell{' ', background, background});
  }
  shown_width = width, shown_height = height, shown_left = left, shown_top = top;
  valid = true;
  for (int y = 0; y < height; y++) {
    std::size_t row_start = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    int last = -1;  // the last cell written in this row
    for (int x = 0; x < width; x++) {
      const TermCell& cell = cells[row_start + static_cast<std::size_t>(x)];
      TermCell& old = shown[row_start + static_cast<std::size_t>(x)];
      if (cell == old || (cell.ch == ' ' && old.ch == ' ' && cell.bg == old.bg)) continue;
      if (last >= 0 && cursor_y == top + y && bridge(cells, row_start, last, x))
        for (int between = last + 1; between < x; between++)
          put(cells[row_start + static_cast<std::size_t>(between)], out);
      moveTo(left + x, top + y, out);
      put(cell, out);
      old = cell;
      last = x;
    }
  }
}

void CellWriter::message(const std::string& text, int columns, std::string& out) {
  out += CSI;
  out += "0m";
  out += CSI;
  out += "2J";
  out += CSI;
  out += "H";
  out += text.substr(0, columns > 0 ? static_cast<std::size_t>(columns) : 0);
  fg_known = bg_known = false;
  cursor_x = cursor_y = -1;
  valid = false;
}

}  // namespace vt
