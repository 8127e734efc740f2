#include "presentation/web/CanvasPlan.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "presentation/Color.h"

namespace vt {

namespace {
long long nearestCell(const ScreenChar& c) {
  // Far beyond any window, characters share a cell; they show nowhere.
  auto column = std::lround(std::clamp(c.x, -1e6f, 1e6f));
  auto row = std::lround(std::clamp(c.y, -1e6f, 1e6f));
  return static_cast<long long>(row) * 4000003LL + column;
}
}  // namespace

CanvasPlan::CanvasPlan() : whole(true), known(false), had_extras(false), width(0), height(0) {}

void CanvasPlan::invalidate() { known = false; }

void CanvasPlan::plan(const Screen& frame) {
  bool extras = frame.getOffGridCount() > 0 || !frame.getShapes().empty();
  whole = !known || extras || had_extras || frame.getWidth() != width ||
          frame.getHeight() != height;
  had_extras = extras;
  known = true;
  width = frame.getWidth();
  height = frame.getHeight();
  ops.clear();
  changed.clear();

  const std::vector<Screen::Cell>& cells = frame.getGridCells();
  grid.resize(cells.size() * CELL_FIELDS);
  for (std::size_t i = 0; i < cells.size(); i++) {
    const Screen::Cell& cell = cells[i];
    std::int32_t fields[CELL_FIELDS] = {
        cell.drawn ? static_cast<unsigned char>(cell.ch) : ' ',
        static_cast<std::int32_t>(colorRGB(static_cast<Color>(cell.color))),
        static_cast<std::int32_t>(cell.order)};
    std::int32_t* p_shown = &grid[i * CELL_FIELDS];
    // A new order alone changes nothing on its own cell.
    if (!whole && (p_shown[0] != fields[0] || (fields[0] != ' ' && p_shown[1] != fields[1])))
      changed.push_back(static_cast<std::int32_t>(i));
    for (int f = 0; f < CELL_FIELDS; f++) p_shown[f] = fields[f];
  }
  if (!whole) return;

  const std::vector<ScreenChar>& chars = frame.getChars();
  const std::vector<ScreenShape>& shapes = frame.getShapes();
  std::size_t char_index = 0;
  for (std::size_t shape_index = 0; shape_index <= shapes.size(); shape_index++) {
    std::size_t end = shape_index < shapes.size() ? shapes[shape_index].chars_before : chars.size();
    addChars(chars, char_index, end);
    char_index = end;
    if (shape_index == shapes.size()) break;
    const ScreenShape& s = shapes[shape_index];
    std::uint32_t rgba = static_cast<std::uint32_t>(s.r) << 24 |
                         static_cast<std::uint32_t>(s.g) << 16 |
                         static_cast<std::uint32_t>(s.b) << 8 | s.a;
    ops.insert(ops.end(), {SHAPE, static_cast<double>(s.point_count), s.radius, s.rotation, s.x,
                           s.y, static_cast<double>(rgba)});
  }
}

void CanvasPlan::addChars(const std::vector<ScreenChar>& chars, std::size_t begin,
                          std::size_t end) {
  // As the window does, a character drawn again in its nearest cell before
  // the next shape hides the one before; its cell is still cleared.
  std::unordered_map<long long, std::size_t> last;
  for (std::size_t i = begin; i < end; i++) last[nearestCell(chars[i])] = i;
  for (std::size_t i = begin; i < end; i++) {
    const ScreenChar& c = chars[i];
    bool hidden = last[nearestCell(c)] != i;
    ops.insert(ops.end(), {CHAR, c.x, c.y,
                           hidden ? ' ' : static_cast<double>(static_cast<unsigned char>(c.ch)),
                           static_cast<double>(colorRGB(c.color))});
  }
}

bool CanvasPlan::isWhole() const { return whole; }

const std::vector<double>& CanvasPlan::getOps() const { return ops; }

const std::vector<std::int32_t>& CanvasPlan::getChanged() const { return changed; }

const std::vector<std::int32_t>& CanvasPlan::getGrid() const { return grid; }

}  // namespace vt
