#include "path/PathFind.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/LogManager.h"
#include "path/PathManager.h"
#include "world/Object.h"
#include "world/ObjectList.h"
#include "world/ObjectListIterator.h"
#include "world/WorldManager.h"

namespace vt {

namespace {
const float UNREACHED = std::numeric_limits<float>::infinity();

// "(x,y) " per cell, the form every list is logged in.
std::string cellsText(const std::vector<GridPoint>& cells) {
  std::string text;
  for (const GridPoint& p : cells)
    text += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ") ";
  return text;
}

float distance(GridPoint a, GridPoint b) {
  float dx = static_cast<float>(a.x) - static_cast<float>(b.x);
  float dy = static_cast<float>(a.y) - static_cast<float>(b.y);
  return std::sqrt(dx * dx + dy * dy);
}

bool listed(const std::vector<GridPoint>& cells, GridPoint p) {
  return std::find(cells.begin(), cells.end(), p) != cells.end();
}

int truncated(float extent) { return extent > 0 ? static_cast<int>(extent) : 0; }
}  // namespace

PathFind::PathFind(Object* p_init_obj, GridPoint init_start, GridPoint init_end)
    : p_obj(p_init_obj), start(init_start), end(init_end), ply(0) {
  Box boundary = WorldManager::getInstance().getBoundary();
  columns = truncated(boundary.getHorizontal());
  rows = truncated(boundary.getVertical());
  // Every parent leads to the start, so walking back from a cell the search
  // never reached still ends.
  grid.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows),
              Cell{UNREACHED, UNREACHED, start});
  if (inGrid(start)) cellAt(start) = Cell{0, distance(start, end), start};
  open_set.push_back(start);
}

PathFind::~PathFind() {
  // A search deleted without being unregistered must not stay in the walk.
  PathManager& path_manager = PathManager::getInstance();
  if (path_manager.isRegistered(this)) path_manager.unregisterPathFind(this);
}

int PathFind::cycleOnce() {
  LogManager& log = LogManager::getInstance();
  log.writeLog("-------------------------------");
  ply++;
  log.writeLog("PathFind::cycleOnce(): ply %d", ply);
  log.writeLog("\tFinding lowest cost in open set");

  // Scanning backwards with a strict comparison gives ties to the cell
  // discovered last.
  GridPoint current = start;
  float minimum = UNREACHED;
  for (auto it = open_set.rbegin(); it != open_set.rend(); ++it) {
    float cost = cellOf(*it).cost;
    log.writeLog("\tNode (%d,%d), cost %.2f to min %.2f", it->x, it->y, static_cast<double>(cost),
                 static_cast<double>(minimum));
    if (cost < minimum) {
      minimum = cost;
      current = *it;
    }
  }
  log.writeLog("\tLowest (%d,%d), cost %.2f", current.x, current.y,
               static_cast<double>(cellOf(current).cost));

  auto found = std::find(open_set.begin(), open_set.end(), current);
  if (found != open_set.end()) open_set.erase(found);
  log.writeLog("\tOpen set: %s", cellsText(open_set).c_str());
  closed_set.push_back(current);
  log.writeLog("\tClosed set: %s", cellsText(closed_set).c_str());

  if (current == end) {
    log.writeLog("PathFind::cycleOnce(): done. FOUND.");
    return FOUND;
  }

  for (int dy = -1; dy <= 1; dy++)
    for (int dx = -1; dx <= 1; dx++)
      if (dx != 0 || dy != 0) examine(current, GridPoint{current.x + dx, current.y + dy});

  if (open_set.empty()) {
    log.writeLog("PathFind::cycleOnce(): done. NOT_FOUND.");
    return NOT_FOUND;
  }
  log.writeLog("PathFind::cycleOnce(): done. INCOMPLETE.");
  return INCOMPLETE;
}

void PathFind::examine(GridPoint current, GridPoint neighbor) {
  // Cells are searched within the world as it is now, and never beyond the
  // grid as it was allocated.
  Box boundary = WorldManager::getInstance().getBoundary();
  if (neighbor.x < 0 || neighbor.x >= truncated(boundary.getHorizontal()) || neighbor.y < 0 ||
      neighbor.y >= truncated(boundary.getVertical()) || !inGrid(neighbor))
    return;

  LogManager& log = LogManager::getInstance();
  log.writeLog("\tExamining neighbor (%d, %d)", neighbor.x, neighbor.y);
  std::string blocker = hardCollision(neighbor);
  if (!blocker.empty()) {
    log.writeLog("\t\tCollision (%s)", blocker.c_str());
    return;
  }
  if (listed(closed_set, neighbor)) {
    log.writeLog("\t\tin_closed already");
    return;
  }

  float from_start = cellOf(current).from_start + distance(current, neighbor);
  Cell& cell = cellAt(neighbor);
  if (!listed(open_set, neighbor)) {
    open_set.push_back(neighbor);
    log.writeLog("\t\tin_open new");
  } else {
    log.writeLog("\t\tin_open already");
    // An equally good route replaces the older parent.
    if (from_start > cell.from_start) return;
  }
  cell = Cell{from_start, from_start + distance(neighbor, end), current};
  log.writeLog("\t\tbetter path from (%d, %d) (from_start %.2f, to_end %.2f)", current.x, current.y,
               static_cast<double>(cell.from_start), static_cast<double>(cell.cost));
}

Path PathFind::getPath() const {
  std::vector<GridPoint> route;
  for (GridPoint p = end; p != start; p = cellOf(p).parent) route.push_back(p);
  route.push_back(start);
  std::reverse(route.begin(), route.end());

  LogManager::getInstance().writeLog("PathFind::getPath(): %s", cellsText(route).c_str());
  Path path;
  for (const GridPoint& p : route)
    path.addNode(Vector(static_cast<float>(p.x), static_cast<float>(p.y)));
  return path;
}

Object* PathFind::getObject() const { return p_obj; }

GridPoint PathFind::getStart() const { return start; }

GridPoint PathFind::getEnd() const { return end; }

int PathFind::getPly() const { return ply; }

bool PathFind::inGrid(GridPoint p) const {
  return p.x >= 0 && p.x < columns && p.y >= 0 && p.y < rows;
}

PathFind::Cell& PathFind::cellAt(GridPoint p) {
  return grid[static_cast<std::size_t>(p.y) * static_cast<std::size_t>(columns) +
              static_cast<std::size_t>(p.x)];
}

PathFind::Cell PathFind::cellOf(GridPoint p) const {
  if (!inGrid(p)) return Cell{p == start ? 0 : UNREACHED, UNREACHED, start};
  return grid[static_cast<std::size_t>(p.y) * static_cast<std::size_t>(columns) +
              static_cast<std::size_t>(p.x)];
}

std::string PathFind::hardCollision(GridPoint p) const {
  if (!p_obj) return "";
  ObjectList collisions = WorldManager::getInstance().getCollisions(
      p_obj, Vector(static_cast<float>(p.x), static_cast<float>(p.y)));
  for (ObjectListIterator it(&collisions); !it.isDone(); it.next())
    if (it.currentObject()->getSolidness() == HARD) return it.currentObject()->getType();
  return "";
}

}  // namespace vt
