#include "path/PathFind.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/LogManager.h"
#include "path/PathManager.h"
#include "world/Object.h"
#include "world/WorldManager.h"

namespace vt {

namespace {
const float UNREACHED = std::numeric_limits<float>::infinity();
const std::size_t NO_SLOT = std::numeric_limits<std::size_t>::max();

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

int truncated(float extent) { return extent > 0 ? static_cast<int>(extent) : 0; }

// Heap order: the top is the cheapest, and among equals the latest found.
template <typename Candidate>
bool laterInLine(const Candidate& a, const Candidate& b) {
  return a.cost > b.cost || (a.cost == b.cost && a.order < b.order);
}
}  // namespace

PathFind::PathFind(Object* p_init_obj, GridPoint init_start, GridPoint init_end)
    : p_obj(p_init_obj), start(init_start), end(init_end), open_count(0), ply(0) {
  Box boundary = WorldManager::getInstance().getBoundary();
  columns = truncated(boundary.getHorizontal());
  rows = truncated(boundary.getVertical());
  // Every parent leads to the start, so walking back from a cell the search
  // never reached still ends. One more slot holds a start outside the grid.
  grid.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows) + 1,
              Cell{UNREACHED, UNREACHED, start, State::UNSEEN, 0});
  std::size_t slot = slotOf(start);
  grid[slot].from_start = 0;
  if (inGrid(start)) grid[slot].cost = distance(start, end);
  open(start, slot);
  heap.push_back(Candidate{grid[slot].cost, grid[slot].order, start});
}

PathFind::~PathFind() {
  // A search deleted without being unregistered must not stay in the walk.
  PathManager& path_manager = PathManager::getInstance();
  if (path_manager.isRegistered(this)) path_manager.unregisterPathFind(this);
}

int PathFind::cycleOnce() {
  LogManager& log = LogManager::getInstance();
  bool tracing = log.getLogLevel() >= PATH_TRACE_LEVEL;
  log.writeLog(PATH_TRACE_LEVEL, "-------------------------------");
  ply++;
  log.writeLog(PATH_TRACE_LEVEL, "PathFind::cycleOnce(): ply %d", ply);
  log.writeLog(PATH_TRACE_LEVEL, "\tFinding lowest cost in open set");

  GridPoint current = cheapest();
  if (tracing) traceScan(current);
  std::size_t slot = slotOf(current);
  if (grid[slot].state == State::OPEN) open_count--;
  grid[slot].state = State::CLOSED;
  closed.push_back(current);
  if (tracing) {
    log.writeLog(PATH_TRACE_LEVEL, "\tOpen set: %s", openText().c_str());
    log.writeLog(PATH_TRACE_LEVEL, "\tClosed set: %s", cellsText(closed).c_str());
  }

  if (current == end) {
    log.writeLog("PathFind::cycleOnce(): done. FOUND.");
    return FOUND;
  }

  for (int dy = -1; dy <= 1; dy++)
    for (int dx = -1; dx <= 1; dx++)
      if (dx != 0 || dy != 0) examine(current, GridPoint{current.x + dx, current.y + dy}, tracing);

  if (open_count == 0) {
    log.writeLog("PathFind::cycleOnce(): done. NOT_FOUND.");
    return NOT_FOUND;
  }
  log.writeLog(PATH_TRACE_LEVEL, "PathFind::cycleOnce(): done. INCOMPLETE.");
  return INCOMPLETE;
}

GridPoint PathFind::cheapest() {
  while (!heap.empty()) {
    Candidate top = heap.front();
    std::pop_heap(heap.begin(), heap.end(), laterInLine<Candidate>);
    heap.pop_back();
    const Cell& cell = grid[slotOf(top.cell)];
    if (cell.state == State::OPEN && cell.cost == top.cost) return top.cell;
  }
  return start;
}

void PathFind::open(GridPoint p, std::size_t slot) {
  Cell& cell = grid[slot];
  cell.state = State::OPEN;
  cell.order = static_cast<std::uint32_t>(discovered.size());
  discovered.push_back(p);
  open_count++;
}

void PathFind::examine(GridPoint current, GridPoint neighbor, bool tracing) {
  // Cells are searched within the world as it is now, and never beyond the
  // grid as it was allocated.
  Box boundary = WorldManager::getInstance().getBoundary();
  if (neighbor.x < 0 || neighbor.x >= truncated(boundary.getHorizontal()) || neighbor.y < 0 ||
      neighbor.y >= truncated(boundary.getVertical()) || !inGrid(neighbor))
    return;

  LogManager& log = LogManager::getInstance();
  std::size_t slot = slotOf(neighbor);
  Cell& cell = grid[slot];
  // Either test skips the cell; the trace tells which it met first, and
  // without it the cheaper one goes first.
  if (!tracing && cell.state == State::CLOSED) return;
  log.writeLog(PATH_TRACE_LEVEL, "\tExamining neighbor (%d, %d)", neighbor.x, neighbor.y);
  const Object* p_blocker =
      p_obj ? WorldManager::getInstance().getHardCollision(
                  p_obj, Vector(static_cast<float>(neighbor.x), static_cast<float>(neighbor.y)))
            : nullptr;
  if (p_blocker) {
    log.writeLog(PATH_TRACE_LEVEL, "\t\tCollision (%s)", p_blocker->getType().c_str());
    return;
  }
  if (cell.state == State::CLOSED) {
    log.writeLog(PATH_TRACE_LEVEL, "\t\tin_closed already");
    return;
  }

  float from_start = cellOf(current).from_start + distance(current, neighbor);
  if (cell.state == State::UNSEEN) {
    open(neighbor, slot);
    log.writeLog(PATH_TRACE_LEVEL, "\t\tin_open new");
  } else {
    log.writeLog(PATH_TRACE_LEVEL, "\t\tin_open already");
    // An equally good route replaces the older parent.
    if (from_start > cell.from_start) return;
  }
  float cost = from_start + distance(neighbor, end);
  bool cheaper = cost != cell.cost;
  cell.from_start = from_start;
  cell.cost = cost;
  cell.parent = current;
  if (cheaper) {
    heap.push_back(Candidate{cost, cell.order, neighbor});
    std::push_heap(heap.begin(), heap.end(), laterInLine<Candidate>);
  }
  log.writeLog(PATH_TRACE_LEVEL, "\t\tbetter path from (%d, %d) (from_start %.2f, to_end %.2f)",
               current.x, current.y, static_cast<double>(from_start), static_cast<double>(cost));
}

void PathFind::traceScan(GridPoint current) const {
  LogManager& log = LogManager::getInstance();
  float minimum = UNREACHED;
  for (auto it = discovered.rbegin(); it != discovered.rend(); ++it) {
    // current left the open set only after the scan.
    if (grid[slotOf(*it)].state != State::OPEN) continue;
    float cost = cellOf(*it).cost;
    log.writeLog(PATH_TRACE_LEVEL, "\tNode (%d,%d), cost %.2f to min %.2f", it->x, it->y,
                 static_cast<double>(cost), static_cast<double>(minimum));
    if (cost < minimum) minimum = cost;
  }
  log.writeLog(PATH_TRACE_LEVEL, "\tLowest (%d,%d), cost %.2f", current.x, current.y,
               static_cast<double>(cellOf(current).cost));
}

std::string PathFind::openText() const {
  std::vector<GridPoint> open_cells;
  for (const GridPoint& p : discovered)
    if (grid[slotOf(p)].state == State::OPEN) open_cells.push_back(p);
  return cellsText(open_cells);
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

std::size_t PathFind::slotOf(GridPoint p) const {
  if (inGrid(p))
    return static_cast<std::size_t>(p.y) * static_cast<std::size_t>(columns) +
           static_cast<std::size_t>(p.x);
  return p == start ? grid.size() - 1 : NO_SLOT;
}

PathFind::Cell PathFind::cellOf(GridPoint p) const {
  std::size_t slot = slotOf(p);
  if (slot == NO_SLOT) return Cell{UNREACHED, UNREACHED, start, State::UNSEEN, 0};
  return grid[slot];
}

}  // namespace vt
