// A* as a plain scan: open and closed cells in lists searched from end to
// end, collisions by testing every solid object, and every ply's trace
// gathered as text. The reference the engine's search must agree with, in
// tests and benchmarks.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "../world/LinearWorld.h"
#include "vantle.h"

namespace path_test {

/// "(x,y) " per node, as the log writes paths.
inline std::string text(const vt::Path& path) {
  std::string out;
  for (int i = 0; i < path.getNodeCount(); i++)
    out += "(" + vt::toString(path.getNode(i).getX()) + "," + vt::toString(path.getNode(i).getY()) +
           ") ";
  return out;
}

class LinearPathFind {
 public:
  LinearPathFind(vt::Object* p_init_obj, vt::GridPoint init_start, vt::GridPoint init_end)
      : p_obj(p_init_obj), start(init_start), end(init_end) {
    vt::Box boundary = vt::WorldManager::getInstance().getBoundary();
    columns = truncated(boundary.getHorizontal());
    rows = truncated(boundary.getVertical());
    grid.assign(static_cast<std::size_t>(columns * rows), Cell{INF, INF, start});
    if (inGrid(start)) at(start) = Cell{0, distance(start, end), start};
    open.push_back(start);
  }

  /// One ply; the trace's lines are added to trace.
  int cycleOnce() {
    say("-------------------------------");
    say("PathFind::cycleOnce(): ply %d", ++ply);
    say("\tFinding lowest cost in open set");
    vt::GridPoint current = start;
    float minimum = INF;
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
      float cost = cellOf(*it).cost;
      say("\tNode (%d,%d), cost %.2f to min %.2f", it->x, it->y, double(cost), double(minimum));
      if (cost < minimum) minimum = cost, current = *it;
    }
    say("\tLowest (%d,%d), cost %.2f", current.x, current.y, double(cellOf(current).cost));
    auto found = std::find(open.begin(), open.end(), current);
    if (found != open.end()) open.erase(found);
    closed.push_back(current);
    if (tracing) say("\tOpen set: %s", text(open).c_str());
    if (tracing) say("\tClosed set: %s", text(closed).c_str());
    if (current == end) return say("PathFind::cycleOnce(): done. FOUND."), vt::FOUND;
    for (int dy = -1; dy <= 1; dy++)
      for (int dx = -1; dx <= 1; dx++)
        if (dx || dy) examine(current, vt::GridPoint{current.x + dx, current.y + dy});
    if (open.empty()) return say("PathFind::cycleOnce(): done. NOT_FOUND."), vt::NOT_FOUND;
    say("PathFind::cycleOnce(): done. INCOMPLETE.");
    return vt::INCOMPLETE;
  }

  /// The route by parent links, "(x,y) " per cell from the start.
  std::string path() const {
    std::vector<vt::GridPoint> route;
    for (vt::GridPoint p = end; p != start; p = cellOf(p).parent) route.push_back(p);
    route.push_back(start);
    std::reverse(route.begin(), route.end());
    return text(route);
  }

  std::vector<std::string> trace;
  bool tracing = true;  ///< off, only the plies are counted: for benchmarks
  int ply = 0;

 private:
  struct Cell {
    float from_start, cost;
    vt::GridPoint parent;
  };
  static constexpr float INF = std::numeric_limits<float>::infinity();

  static int truncated(float extent) { return extent > 0 ? static_cast<int>(extent) : 0; }
  static float distance(vt::GridPoint a, vt::GridPoint b) {
    float dx = float(a.x) - float(b.x), dy = float(a.y) - float(b.y);
    return std::sqrt(dx * dx + dy * dy);
  }
  static std::string text(const std::vector<vt::GridPoint>& cells) {
    std::string out;
    for (const vt::GridPoint& p : cells)
      out += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ") ";
    return out;
  }
  static bool listed(const std::vector<vt::GridPoint>& cells, vt::GridPoint p) {
    return std::find(cells.begin(), cells.end(), p) != cells.end();
  }
  void say(const char* format, ...) {
    if (!tracing) return;
    char line[65536];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    trace.push_back(line);
  }
  bool inGrid(vt::GridPoint p) const { return p.x >= 0 && p.x < columns && p.y >= 0 && p.y < rows; }
  Cell& at(vt::GridPoint p) { return grid[static_cast<std::size_t>(p.y * columns + p.x)]; }
  Cell cellOf(vt::GridPoint p) const {
    if (!inGrid(p)) return Cell{p == start ? 0 : INF, INF, start};
    return grid[static_cast<std::size_t>(p.y * columns + p.x)];
  }

  void examine(vt::GridPoint current, vt::GridPoint next) {
    vt::Box boundary = vt::WorldManager::getInstance().getBoundary();
    if (next.x < 0 || next.x >= truncated(boundary.getHorizontal()) || next.y < 0 ||
        next.y >= truncated(boundary.getVertical()) || !inGrid(next))
      return;
    say("\tExamining neighbor (%d, %d)", next.x, next.y);
    vt::ObjectList hits =
        world_test::linearCollisions(p_obj, vt::Vector(float(next.x), float(next.y)));
    for (vt::ObjectListIterator it(&hits); !it.isDone(); it.next())
      if (it.currentObject()->getSolidness() == vt::HARD)
        return say("\t\tCollision (%s)", it.currentObject()->getType().c_str());
    if (listed(closed, next)) return say("\t\tin_closed already");
    float from_start = cellOf(current).from_start + distance(current, next);
    if (!listed(open, next)) {
      open.push_back(next);
      say("\t\tin_open new");
    } else {
      say("\t\tin_open already");
      if (from_start > at(next).from_start) return;
    }
    at(next) = Cell{from_start, from_start + distance(next, end), current};
    say("\t\tbetter path from (%d, %d) (from_start %.2f, to_end %.2f)", current.x, current.y,
        double(from_start), double(at(next).cost));
  }

  vt::Object* p_obj;
  vt::GridPoint start, end;
  int columns, rows;
  std::vector<Cell> grid;
  std::vector<vt::GridPoint> open, closed;
};

}  // namespace path_test
