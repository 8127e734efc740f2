#include "RoutePlanner.h"

#include <deque>

#include "Setup.h"
#include "world/Geometry.h"
#include "world/ObjectListIterator.h"
#include "world/WorldManager.h"

namespace {

const int WIDTH = static_cast<int>(WORLD_HORIZONTAL), HEIGHT = static_cast<int>(WORLD_VERTICAL);
// Index 0 stays put, 1 to 4 are the steps to the four neighbours.
const int DX[] = {0, 1, -1, 0, 0}, DY[] = {0, 0, 0, 1, -1};

vt::Vector at(int x, int y) { return vt::Vector(static_cast<float>(x), static_cast<float>(y)); }

}  // namespace

std::vector<vt::Object*> objectsOfType(const std::string& type) {
  std::vector<vt::Object*> found;
  vt::ObjectList list = vt::WorldManager::getInstance().getAllObjects();
  for (vt::ObjectListIterator it(&list); !it.isDone(); it.next())
    if (it.currentObject()->getType() == type) found.push_back(it.currentObject());
  return found;
}

RoutePlanner::RoutePlanner(const vt::Object* p_init_walker)
    : p_walker(p_init_walker), open(static_cast<std::size_t>(WIDTH * HEIGHT), -1) {}

bool RoutePlanner::toGoal(std::vector<Cell>& walk, Cell& push_step) {
  std::vector<vt::Object*> keys = objectsOfType("Key");
  if (!keys.empty()) return walkTo(keys, false, walk, push_step);
  return walkTo(objectsOfType("Door"), true, walk, push_step);
}

bool RoutePlanner::walkTo(const std::vector<vt::Object*>& goals, bool push, std::vector<Cell>& walk,
                          Cell& push_step) {
  int first = push ? 1 : 0, last = push ? 4 : 0;
  return search(
      [&](int x, int y) {
        for (vt::Object* p_goal : goals)
          for (int d = first; d <= last; d++)
            if (vt::boxIntersectsBox(vt::getWorldBox(p_walker, at(x + DX[d], y + DY[d])),
                                     vt::getWorldBox(p_goal))) {
              push_step = Cell{DX[d], DY[d]};
              return true;
            }
        return false;
      },
      walk);
}

bool RoutePlanner::wayOut(Cell& from) {
  std::vector<Cell> walk;
  return search(
      [&](int x, int y) {
        for (int d = 1; d <= 4; d++) {
          int out_x = x + DX[d], out_y = y + DY[d];
          bool outside = out_x < 0 || out_y < 0 || out_x >= WIDTH || out_y >= HEIGHT;
          if (outside &&
              !vt::WorldManager::getInstance().getHardCollision(p_walker, at(out_x, out_y))) {
            from = Cell{x, y};
            return true;
          }
        }
        return false;
      },
      walk);
}

bool RoutePlanner::search(const std::function<bool(int, int)>& reached, std::vector<Cell>& walk) {
  int start_x = static_cast<int>(p_walker->getPosition().getX()),
      start_y = static_cast<int>(p_walker->getPosition().getY());
  if (start_x < 0 || start_y < 0 || start_x >= WIDTH || start_y >= HEIGHT) return false;
  int start = start_y * WIDTH + start_x;
  std::vector<int> from(open.size(), -1);
  std::deque<int> queue{start};
  from[static_cast<std::size_t>(start)] = start;
  while (!queue.empty()) {
    int cell = queue.front(), x = cell % WIDTH, y = cell / WIDTH;
    queue.pop_front();
    if (reached(x, y)) {
      for (walk.clear(); cell != start; cell = from[static_cast<std::size_t>(cell)])
        walk.insert(walk.begin(), Cell{cell % WIDTH, cell / WIDTH});
      return true;
    }
    for (int d = 1; d <= 4; d++) {
      int next = (y + DY[d]) * WIDTH + x + DX[d];
      if (isOpen(x + DX[d], y + DY[d]) && from[static_cast<std::size_t>(next)] < 0) {
        from[static_cast<std::size_t>(next)] = cell;
        queue.push_back(next);
      }
    }
  }
  return false;
}

bool RoutePlanner::isOpen(int x, int y) {
  if (x < 0 || y < 0 || x >= WIDTH || y >= HEIGHT) return false;
  signed char& known = open[static_cast<std::size_t>(y * WIDTH + x)];
  if (known < 0)
    known = vt::WorldManager::getInstance().getHardCollision(p_walker, at(x, y)) ? 0 : 1;
  return known == 1;
}
