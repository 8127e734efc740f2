// Plans the hero's walks through a level as the engine sees it, for tests
// that steer the hero with held keys.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "GameTestSupport.h"

namespace game_test {

const int WORLD_WIDTH = 125;
const int WORLD_HEIGHT = 100;

struct Step {
  int x;
  int y;
};

/// The arrow key that leads from one cell to the next.
inline vt::Keyboard::Key towards(vt::Vector from, Step to) {
  if (static_cast<float>(to.x) > from.getX()) return vt::Keyboard::RIGHT_ARROW;
  if (static_cast<float>(to.x) < from.getX()) return vt::Keyboard::LEFT_ARROW;
  if (static_cast<float>(to.y) > from.getY()) return vt::Keyboard::DOWN_ARROW;
  return vt::Keyboard::UP_ARROW;
}

// A cell is open when the hero standing there would touch nothing HARD.
// Walls do not change during a level, so a planner serves one hero.
class Planner {
 public:
  explicit Planner(Hero* p_init_hero) : p_hero(p_init_hero), open(WORLD_WIDTH * WORLD_HEIGHT, -1) {}

  bool isOpen(int x, int y) {
    if (x < 0 || y < 0 || x >= WORLD_WIDTH || y >= WORLD_HEIGHT) return false;
    signed char& known = open[static_cast<size_t>(y * WORLD_WIDTH + x)];
    if (known < 0) {
      known = 1;
      vt::ObjectList hits = vt::WorldManager::getInstance().getCollisions(p_hero, cell(x, y));
      for (vt::ObjectListIterator it(&hits); !it.isDone(); it.next())
        if (it.currentObject()->getSolidness() == vt::HARD) known = 0;
    }
    return known == 1;
  }

  /// Whether the hero's box at (x, y) would touch p_o's box.
  bool touches(int x, int y, const vt::Object* p_o) const {
    return vt::boxIntersectsBox(vt::getWorldBox(p_hero, cell(x, y)), vt::getWorldBox(p_o));
  }

  /// Whether one step from (x, y) touches p_o; into is then that step's key.
  bool nextTo(int x, int y, const vt::Object* p_o, vt::Keyboard::Key& into) const {
    const Step around[] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
    for (Step n : around)
      if (touches(n.x, n.y, p_o)) {
        into = towards(cell(x, y), n);
        return true;
      }
    return false;
  }

  /// The shortest walk over open cells from the hero to a cell that
  /// satisfies goal, without the start; empty if there is none.
  std::vector<Step> route(const std::function<bool(int, int)>& goal) {
    const int w = WORLD_WIDTH;
    int sx = static_cast<int>(p_hero->getPosition().getX());
    int sy = static_cast<int>(p_hero->getPosition().getY());
    std::vector<int> from(static_cast<size_t>(w * WORLD_HEIGHT), -2);
    std::deque<int> queue{sy * w + sx};
    from[static_cast<size_t>(sy * w + sx)] = -1;
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    while (!queue.empty()) {
      int at = queue.front();
      queue.pop_front();
      int x = at % w, y = at / w;
      if (at != sy * w + sx && goal(x, y)) {
        std::vector<Step> walk;
        for (int c = at; from[static_cast<size_t>(c)] != -1; c = from[static_cast<size_t>(c)])
          walk.insert(walk.begin(), Step{c % w, c / w});
        return walk;
      }
      for (int d = 0; d < 4; d++) {
        int nx = x + dx[d], ny = y + dy[d];
        if (!isOpen(nx, ny) || from[static_cast<size_t>(ny * w + nx)] != -2) continue;
        from[static_cast<size_t>(ny * w + nx)] = at;
        queue.push_back(ny * w + nx);
      }
    }
    return {};
  }

 private:
  Hero* p_hero;
  std::vector<signed char> open;
};

}  // namespace game_test
