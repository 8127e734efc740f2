#include "presentation/window/CellRaster.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace vt {

namespace {
// The engine's colours and, last, the white that CUSTOM and unknown values
// are drawn in.
const std::uint32_t PALETTE[9] = {0x000000, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff,
                                  0xff00ff, 0x00ffff, 0xffffff, 0xffffff};

std::uint8_t paletteIndex(std::int8_t color) {
  return color >= 0 && color < 8 ? static_cast<std::uint8_t>(color) : 8;
}

// x * y / 255 as the window's renderer rounds it when it blends.
struct Products {
  std::uint8_t of[256][256];
  Products() {
    for (int y = 0; y < 256; y++)
      for (int x = 0; x < 256; x++) {
        int p = x * y;
        of[y][x] = static_cast<std::uint8_t>((p + (p >> 8) + 0x80) >> 8);
      }
  }
};
const Products& products() {
  static const Products table;
  return table;
}

// A glyph's colour at coverage alpha over dst, which the renderer works out
// channel by channel; the engine's colours have full or no channels.
std::uint32_t blendPixel(std::uint32_t dst, std::uint32_t color, unsigned alpha) {
  const std::uint8_t* keep = products().of[255 - alpha];
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    unsigned own = (color >> shift) & 0xff ? alpha : 0;
    unsigned value = own + keep[(dst >> shift) & 0xff];
    out |= std::min(value, 255u) << shift;
  }
  return out;
}

bool whole(float value) { return std::isfinite(value) && value == std::floor(value); }

PixelRect unite(const PixelRect& a, const PixelRect& b) {
  if (a.left >= a.right || a.top >= a.bottom) return b;
  if (b.left >= b.right || b.top >= b.bottom) return a;
  return PixelRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                   std::max(a.bottom, b.bottom)};
}
}  // namespace

bool CellRaster::Shown::operator!=(const Shown& other) const {
  return ink != other.ink || before != other.before ||
         (ink && (ch != other.ch || color != other.color));
}

CellRaster::CellRaster()
    : ready(false),
      captured(false),
      valid(false),
      had_off_grid(false),
      columns(0),
      rows(0),
      cell_width(0),
      cell_height(0),
      reach_x(0),
      reach_y(0),
      background(0) {}

bool CellRaster::setUp(sf::RenderWindow& window, int new_columns,
                       int new_rows, float new_cell_width, float new_cell_height,
                       sf::Color new_background) {
  close();
  if (!whole(new_cell_width) || !whole(new_cell_height) || new_cell_width < 1 ||
      new_cell_height < 1 || new_columns <= 0 || new_rows <= 0)
    return false;
  columns = new_columns;
  rows = new_rows;
  cell_width = static_cast<int>(new_cell_width);
  cell_height = static_cast<int>(new_cell_height);
  background = static_cast<std::uint32_t>(new_background.r) << 16 |
               static_cast<std::uint32_t>(new_background.g) << 8 | new_background.b;
  if (!presenter.open(window.getSystemHandle(), columns * cell_width, rows * cell_height))
    return false;
  ready = true;
  return true;
}

void CellRaster::close() {
  presenter.close();
  ready = captured = valid = had_off_grid = false;
  for (Tile& tile : tiles) tile = Tile();
  shown.clear();
}

bool CellRaster::canShow(const Screen& frame) const {
  if (!ready || frame.getWidth() != columns || frame.getHeight() != rows ||
      !frame.getShapes().empty())
    return false;
  if (frame.getOffGridCount() == 0) return true;
  for (const ScreenChar& c : frame.getChars())
    if (!whole(c.x * static_cast<float>(cell_width)) ||
        !whole(c.y * static_cast<float>(cell_height)) || std::fabs(c.x) > 1e6f ||
        std::fabs(c.y) > 1e6f)
      return false;
  return true;
}

void CellRaster::invalidate() { valid = false; }

bool CellRaster::capture(sf::RenderWindow& window, CellBatch& batch) {
  // Every glyph's rectangle, and the largest reach of any from its origin.
  float left = 0, top = 0, right = 0, bottom = 0;
  for (int c = 0; c < 256; c++) {
    CellBatch::Quad quad = batch.glyphQuad(static_cast<char>(c));
    if (quad.right <= quad.left) continue;
    if (!whole(quad.left) || !whole(quad.top) || !whole(quad.right) || !whole(quad.bottom))
      return false;
    Tile& tile = tiles[static_cast<std::size_t>(c)];
    tile.left = static_cast<int>(quad.left);
    tile.top = static_cast<int>(quad.top);
    tile.width = static_cast<int>(quad.right - quad.left);
    tile.height = static_cast<int>(quad.bottom - quad.top);
    left = std::min(left, quad.left), top = std::min(top, quad.top);
    right = std::max(right, quad.right), bottom = std::max(bottom, quad.bottom);
  }
  auto cells = [](float pixels, int cell) {
    return static_cast<int>(std::ceil(pixels / static_cast<float>(cell)));
  };
  reach_x = std::max(cells(-left, cell_width), cells(right, cell_width) - 1);
  reach_y = std::max(cells(-top, cell_height), cells(bottom, cell_height) - 1);
  // Each glyph drawn alone in a slot of cells, in white on black, read back.
  int origin_x = cells(-left, cell_width), origin_y = cells(-top, cell_height);
  int slot_x = origin_x + cells(right, cell_width) + 1;
  int slot_y = origin_y + cells(bottom, cell_height) + 1;
  int per_row = columns / slot_x, per_column = rows / slot_y;
  if (per_row <= 0 || per_column <= 0) return false;
  sf::Texture texture;
  if (!texture.create(static_cast<unsigned>(columns * cell_width),
                      static_cast<unsigned>(rows * cell_height)))
    return false;
  for (int first = 0; first < 256; first += per_row * per_column) {
    window.clear(sf::Color::Black);
    int last = std::min(256, first + per_row * per_column);
    auto originOf = [&](int c, int& x, int& y) {
      int slot = c - first;
      x = ((slot % per_row) * slot_x + origin_x) * cell_width;
      y = ((slot / per_row) * slot_y + origin_y) * cell_height;
    };
    for (int c = first; c < last; c++) {
      int x, y;
      originOf(c, x, y);
      batch.add(static_cast<float>(x), static_cast<float>(y), static_cast<char>(c),
                sf::Color::White);
    }
    batch.flush(window, false);
    texture.update(window);
    sf::Image image = texture.copyToImage();
    for (int c = first; c < last; c++) {
      Tile& tile = tiles[static_cast<std::size_t>(c)];
      int x, y;
      originOf(c, x, y);
      tile.alpha.resize(static_cast<std::size_t>(tile.width * tile.height));
      for (int j = 0; j < tile.height; j++)
        for (int i = 0; i < tile.width; i++)
          tile.alpha[static_cast<std::size_t>(j * tile.width + i)] =
              image
                  .getPixel(static_cast<unsigned>(x + tile.left + i),
                            static_cast<unsigned>(y + tile.top + j))
                  .r;
    }
  }
  window.clear(sf::Color(static_cast<sf::Uint8>(background >> 16),
                         static_cast<sf::Uint8>(background >> 8),
                         static_cast<sf::Uint8>(background)));
  captured = true;
  return true;
}

const std::vector<std::uint32_t>& CellRaster::overBackground(Tile& tile, std::uint8_t color) {
  std::vector<std::uint32_t>& pixels = tile.over_background[color];
  if (pixels.empty() && !tile.alpha.empty()) {
    pixels.resize(tile.alpha.size());
    for (std::size_t p = 0; p < pixels.size(); p++)
      pixels[p] = blendPixel(background, PALETTE[color], tile.alpha[p]);
  }
  return pixels;
}

void CellRaster::blend(const Stamp& stamp, const PixelRect& clip) {
  Tile& tile = tiles[stamp.ch];
  int x0 = std::max(stamp.x + tile.left, clip.left);
  int x1 = std::min(stamp.x + tile.left + tile.width, clip.right);
  int y0 = std::max(stamp.y + tile.top, clip.top);
  int y1 = std::min(stamp.y + tile.top + tile.height, clip.bottom);
  if (x0 >= x1 || y0 >= y1) return;
  const std::vector<std::uint32_t>& over = overBackground(tile, stamp.color);
  std::uint32_t color = PALETTE[stamp.color];
  std::uint32_t* pixels = presenter.getPixels();
  int stride = presenter.getStride();
  for (int y = y0; y < y1; y++) {
    std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
    std::ptrdiff_t from = static_cast<std::ptrdiff_t>(y - stamp.y - tile.top) * tile.width -
                          stamp.x - tile.left;
    for (int x = x0; x < x1; x++) {
      auto p = static_cast<std::size_t>(from + x);
      unsigned alpha = tile.alpha[p];
      if (alpha == 0) continue;
      // Over the bare background the result is known beforehand.
      row[x] = row[x] == background ? over[p] : blendPixel(row[x], color, alpha);
    }
  }
}

void CellRaster::composeAll(const Screen& frame) {
  PixelRect all{0, 0, columns * cell_width, rows * cell_height};
  std::uint32_t* pixels = presenter.getPixels();
  int stride = presenter.getStride();
  for (int y = 0; y < all.bottom; y++)
    std::fill(pixels + static_cast<std::ptrdiff_t>(y) * stride,
              pixels + static_cast<std::ptrdiff_t>(y) * stride + all.right, background);
  const std::vector<ScreenChar>& chars = frame.getChars();
  const std::vector<Screen::Cell>& cells = frame.getGridCells();
  float width = static_cast<float>(cell_width), height = static_cast<float>(cell_height);
  if (frame.getOffGridCount() == 0) {
    for (std::size_t i = 0; i < chars.size(); i++) {
      long index = frame.cellIndex(chars[i].x, chars[i].y);
      const Screen::Cell& cell = cells[static_cast<std::size_t>(index)];
      if (cell.order != i) continue;  // a later character took the cell
      blend(Stamp{static_cast<int>(chars[i].x) * cell_width,
                  static_cast<int>(chars[i].y) * cell_height,
                  static_cast<std::uint8_t>(chars[i].ch), paletteIndex(cell.color), 0},
            all);
    }
    return;
  }
  // Off the grid a character takes the cell nearest its place, as the
  // window's renderer decides which glyph of a cell to draw.
  auto key = [&](const ScreenChar& c) {
    return std::lround(c.y * height / height) * 1000003 + std::lround(c.x * width / width);
  };
  std::unordered_map<long, std::size_t> latest;
  for (std::size_t i = 0; i < chars.size(); i++) latest[key(chars[i])] = i;
  for (std::size_t i = 0; i < chars.size(); i++) {
    if (latest[key(chars[i])] != i) continue;
    blend(Stamp{static_cast<int>(chars[i].x * width), static_cast<int>(chars[i].y * height),
                static_cast<std::uint8_t>(chars[i].ch), paletteIndex(chars[i].color), 0},
          all);
  }
}

void CellRaster::compose(const PixelRect& rect, const std::vector<Shown>& now,
                         const std::vector<Screen::Cell>& cells) {
  std::uint32_t* pixels = presenter.getPixels();
  int stride = presenter.getStride();
  for (int y = rect.top; y < rect.bottom; y++)
    std::fill(pixels + static_cast<std::ptrdiff_t>(y) * stride + rect.left,
              pixels + static_cast<std::ptrdiff_t>(y) * stride + rect.right, background);
  int c0 = std::max(0, rect.left / cell_width - reach_x);
  int c1 = std::min(columns - 1, (rect.right - 1) / cell_width + reach_x);
  int r0 = std::max(0, rect.top / cell_height - reach_y);
  int r1 = std::min(rows - 1, (rect.bottom - 1) / cell_height + reach_y);
  stamps.clear();
  for (int row = r0; row <= r1; row++)
    for (int column = c0; column <= c1; column++) {
      std::size_t index = static_cast<std::size_t>(row * columns + column);
      if (!now[index].ink) continue;
      stamps.push_back(Stamp{column * cell_width, row * cell_height, now[index].ch,
                             now[index].color, cells[index].order});
    }
  std::sort(stamps.begin(), stamps.end(),
            [](const Stamp& a, const Stamp& b) { return a.order < b.order; });
  for (const Stamp& stamp : stamps) blend(stamp, rect);
}

std::vector<CellRaster::Shown> CellRaster::shownOf(const Screen& frame) const {
  const std::vector<Screen::Cell>& cells = frame.getGridCells();
  std::vector<Shown> now(cells.size());
  for (std::size_t i = 0; i < cells.size(); i++) {
    const Screen::Cell& cell = cells[i];
    const Tile& tile = tiles[static_cast<unsigned char>(cell.ch)];
    now[i] = Shown{static_cast<std::uint8_t>(cell.ch), paletteIndex(cell.color),
                   cell.drawn && tile.width > 0, 0};
  }
  // Where two glyphs' ink may meet, the later one is blended over the other.
  for (int row = 0; row < rows; row++)
    for (int column = 0; column < columns; column++) {
      std::size_t index = static_cast<std::size_t>(row * columns + column);
      if (!now[index].ink) continue;
      int bit = 0;
      for (int dy = 0; dy <= reach_y; dy++)
        for (int dx = dy == 0 ? 1 : -reach_x; dx <= reach_x; dx++, bit++) {
          int x = column + dx, y = row + dy;
          if (x < 0 || x >= columns || y >= rows) continue;
          std::size_t other = static_cast<std::size_t>(y * columns + x);
          if (now[other].ink && cells[index].order < cells[other].order)
            now[index].before |= std::uint64_t{1} << bit;
        }
    }
  return now;
}

PixelRect CellRaster::tileRect(int column, int row, const Shown& cell) const {
  if (!cell.ink) return PixelRect{0, 0, 0, 0};
  const Tile& tile = tiles[cell.ch];
  int x = column * cell_width + tile.left, y = row * cell_height + tile.top;
  return PixelRect{std::max(x, 0), std::max(y, 0),
                   std::min(x + tile.width, columns * cell_width),
                   std::min(y + tile.height, rows * cell_height)};
}

bool CellRaster::show(const Screen& frame, sf::RenderWindow& window, CellBatch& batch) {
  if (!captured && !capture(window, batch)) {
    close();
    return false;
  }
  if (presenter.exposed()) valid = false;
  std::vector<Shown> now = shownOf(frame);
  bool off_grid = frame.getOffGridCount() > 0;
  // Orders farther than a word's bits reach are not compared: all is composed.
  bool all = !valid || off_grid || had_off_grid || (2 * reach_x + 1) * reach_y + reach_x > 64;
  rects.clear();
  if (!all) {
    std::size_t changed = 0;
    for (int row = 0; row < rows; row++) {
      std::size_t row_start = rects.size();
      for (int column = 0; column < columns; column++) {
        std::size_t index = static_cast<std::size_t>(row * columns + column);
        if (!(now[index] != shown[index])) continue;
        changed++;
        PixelRect rect =
            unite(tileRect(column, row, shown[index]), tileRect(column, row, now[index]));
        if (rect.left >= rect.right || rect.top >= rect.bottom) continue;
        // Changed cells that meet along a row are composed and put at once.
        if (rects.size() > row_start && rects.back().right >= rect.left)
          rects.back() = unite(rects.back(), rect);
        else
          rects.push_back(rect);
      }
    }
    all = changed * 4 > now.size();
    if (!all)
      for (const PixelRect& rect : rects) compose(rect, now, frame.getGridCells());
  }
  if (all) {
    composeAll(frame);
    rects.assign(1, PixelRect{0, 0, columns * cell_width, rows * cell_height});
  }
  if (!presenter.put(rects)) {
    close();
    return false;
  }
  shown.swap(now);
  valid = true;
  had_off_grid = off_grid;
  return true;
}

}  // namespace vt
