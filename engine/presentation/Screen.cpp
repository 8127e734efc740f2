#include "presentation/Screen.h"

#include <algorithm>
#include <cmath>

namespace vt {

namespace {
const Screen::Cell BLANK = {' ', static_cast<std::int8_t>(COLOR_DEFAULT), false, 0};
}  // namespace

Screen::Screen(int new_width, int new_height)
    : width(0), height(0), off_grid(0), seen_made(false) {
  resize(new_width, new_height);
}

void Screen::resize(int new_width, int new_height) {
  bool empty = new_width <= 0 || new_height <= 0;
  width = empty ? 0 : new_width;
  height = empty ? 0 : new_height;
  cells.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), BLANK);
  clear();
}

void Screen::clear() {
  std::fill(cells.begin(), cells.end(), BLANK);
  chars.clear();
  shapes.clear();
  off_grid = 0;
  seen_made = false;
}

long Screen::cellIndex(float x, float y) const {
  // Also false for NaN; the casts below are then in range.
  if (!(x >= 0 && y >= 0 && x < static_cast<float>(width) && y < static_cast<float>(height)))
    return -1;
  auto column = static_cast<long>(x);
  auto row = static_cast<long>(y);
  if (static_cast<float>(column) != x || static_cast<float>(row) != y) return -1;
  return row * width + column;
}

void Screen::putChar(float x, float y, char ch, Color color) {
  long index = cellIndex(x, y);
  if (index >= 0)
    cells[static_cast<std::size_t>(index)] = {ch, static_cast<std::int8_t>(color), true,
                                              static_cast<std::uint32_t>(chars.size())};
  else
    off_grid++;
  chars.push_back({x, y, ch, color});
  seen_made = false;
}

const std::vector<Screen::Cell>& Screen::read() const {
  if (off_grid == 0) return cells;
  if (seen_made) return seen;
  seen = cells;
  for (std::uint32_t i = 0; i < chars.size(); i++) {
    const ScreenChar& c = chars[i];
    if (cellIndex(c.x, c.y) >= 0 || !(std::fabs(c.x) < 1e9f && std::fabs(c.y) < 1e9f)) continue;
    long column = std::lround(c.x), row = std::lround(c.y);
    if (column < 0 || row < 0 || column >= width || row >= height) continue;
    Cell& cell = seen[static_cast<std::size_t>(row * width + column)];
    if (!cell.drawn || cell.order < i) cell = {c.ch, static_cast<std::int8_t>(c.color), true, i};
  }
  seen_made = true;
  return seen;
}

void Screen::putShape(ScreenShape shape) {
  shape.chars_before = chars.size();
  shapes.push_back(shape);
}

int Screen::getWidth() const { return width; }

int Screen::getHeight() const { return height; }

std::string Screen::getRow(int y) const {
  if (y < 0 || y >= height) return "";
  std::string row(static_cast<std::size_t>(width), ' ');
  const Cell* p_cell = &read()[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)];
  for (std::size_t x = 0; x < row.size(); x++)
    if (p_cell[x].drawn) row[x] = p_cell[x].ch;
  return row;
}

std::string Screen::getText() const {
  std::string text;
  for (int y = 0; y < height; y++) text += getRow(y) + '\n';
  return text;
}

Screen::Cell Screen::getCell(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return BLANK;
  return read()[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x)];
}

std::vector<ScreenChar> Screen::getOffGrid() const {
  std::vector<ScreenChar> found;
  if (off_grid == 0) return found;
  for (const ScreenChar& c : chars)
    if (cellIndex(c.x, c.y) < 0) found.push_back(c);
  return found;
}

std::size_t Screen::getOffGridCount() const { return off_grid; }

const std::vector<ScreenShape>& Screen::getShapes() const { return shapes; }

const std::vector<ScreenChar>& Screen::getChars() const { return chars; }

const std::vector<Screen::Cell>& Screen::getGridCells() const { return cells; }

}  // namespace vt
