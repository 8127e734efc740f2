#include "presentation/terminal/TerminalCells.h"

#include <algorithm>
#include <cmath>

namespace vt {

namespace {

const double PI = 3.14159265358979323846;
// Beyond this many pixels a shape is nowhere near any terminal.
const float FAR_AWAY = 1e7f;

struct Point {
  double x, y;
};

// The polygon's corners in pixels, as the window's renderer places them: on
// a circle about the middle of the bounding box whose corner is the
// shape's position, the first at the top, turned about that corner.
std::vector<Point> corners(const ScreenShape& shape) {
  std::vector<Point> points;
  double turn = shape.rotation * PI / 180;
  double r = shape.radius;
  for (std::size_t i = 0; i < shape.point_count; i++) {
    double angle =
        static_cast<double>(i) * 2 * PI / static_cast<double>(shape.point_count) - PI / 2;
    double x = r + std::cos(angle) * r, y = r + std::sin(angle) * r;
    points.push_back({shape.x + x * std::cos(turn) - y * std::sin(turn),
                      shape.y + x * std::sin(turn) + y * std::cos(turn)});
  }
  return points;
}

bool inside(const std::vector<Point>& polygon, Point p) {
  bool in = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Point &a = polygon[i], &b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

std::uint32_t mix(std::uint32_t over, std::uint32_t under, unsigned alpha) {
  std::uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    unsigned a = (over >> shift) & 0xff, b = (under >> shift) & 0xff;
    result |= ((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
  }
  return result;
}

class ShapeFiller {
 public:
  ShapeFiller(const Screen& init_frame, float init_cell_width, float init_cell_height,
              std::vector<TermCell>& init_cells)
      : frame(init_frame),
        cell_width(init_cell_width),
        cell_height(init_cell_height),
        cells(init_cells) {}

  void fill(const ScreenShape& shape) {
    if (shape.point_count < 3 || !(shape.radius > 0) || shape.a == 0 ||
        !(std::fabs(shape.x) < FAR_AWAY && std::fabs(shape.y) < FAR_AWAY &&
          shape.radius < FAR_AWAY))
      return;
    std::vector<Point> polygon = corners(shape);
    double left = polygon[0].x, right = left, top = polygon[0].y, bottom = top;
    Point middle{0, 0};
    for (const Point& p : polygon) {
      left = std::min(left, p.x), right = std::max(right, p.x);
      top = std::min(top, p.y), bottom = std::max(bottom, p.y);
      middle.x += p.x / static_cast<double>(polygon.size());
      middle.y += p.y / static_cast<double>(polygon.size());
    }
    int first_x = std::max(0, column(left)), last_x = std::min(frame.getWidth() - 1, column(right));
    int first_y = std::max(0, row(top)), last_y = std::min(frame.getHeight() - 1, row(bottom));
    bool any = false;
    for (int y = first_y; y <= last_y; y++)
      for (int x = first_x; x <= last_x; x++)
        if (inside(polygon, {(x + 0.5) * cell_width, (y + 0.5) * cell_height})) {
          paint(x, y, shape);
          any = true;
        }
    if (!any) paint(column(middle.x), row(middle.y), shape);
  }

 private:
  int column(double x) const { return static_cast<int>(std::floor(x / cell_width)); }
  int row(double y) const { return static_cast<int>(std::floor(y / cell_height)); }

  void paint(int x, int y, const ScreenShape& shape) {
    if (x < 0 || y < 0 || x >= frame.getWidth() || y >= frame.getHeight()) return;
    Screen::Cell drawn = frame.getCell(x, y);
    // A character drawn after the shape covers it, background and all.
    if (drawn.drawn && drawn.order >= shape.chars_before) return;
    TermCell& cell =
        cells[static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.getWidth()) +
              static_cast<std::size_t>(x)];
    std::uint32_t colour = (static_cast<std::uint32_t>(shape.r) << 16) |
                           (static_cast<std::uint32_t>(shape.g) << 8) | shape.b;
    cell.bg = mix(colour, cell.bg, shape.a);
    // Mostly see-through, it leaves the character visible.
    if (shape.a >= 128) cell.ch = ' ';
  }

  const Screen& frame;
  float cell_width, cell_height;
  std::vector<TermCell>& cells;
};

}  // namespace

void composeCells(const Screen& frame, float cell_width, float cell_height, Color background,
                  std::vector<TermCell>& cells) {
  std::uint32_t back = colorRGB(background);
  int width = frame.getWidth(), height = frame.getHeight();
  cells.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
               TermCell{' ', back, back});
  std::size_t i = 0;
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++, i++) {
      Screen::Cell drawn = frame.getCell(x, y);
      if (drawn.drawn) cells[i] = {drawn.ch, colorRGB(static_cast<Color>(drawn.color)), back};
    }
  if (frame.getShapes().empty() || !(cell_width > 0) || !(cell_height > 0)) return;
  ShapeFiller filler(frame, cell_width, cell_height, cells);
  for (const ScreenShape& shape : frame.getShapes()) filler.fill(shape);
}

}  // namespace vt
