#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

#include "GameTestSupport.h"

using namespace game_test;

namespace {

const int WIDTH = 125;
const int HEIGHT = 100;

struct Step {
  int x;
  int y;
};

// Plans the hero's walks over the cells of the world as the engine sees
// them: a cell is open when the hero standing there would touch nothing HARD.
class Planner {
 public:
  explicit Planner(Hero* p_init_hero) : p_hero(p_init_hero), open(WIDTH * HEIGHT, -1) {}

  bool isOpen(int x, int y) {
    if (x < 0 || y < 0 || x >= WIDTH || y >= HEIGHT) return false;
    signed char& known = open[static_cast<size_t>(y * WIDTH + x)];
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

  /// The shortest walk over open cells from the hero to a cell that
  /// satisfies goal, without the start; empty if there is none.
  std::vector<Step> route(const std::function<bool(int, int)>& goal) {
    int sx = static_cast<int>(p_hero->getPosition().getX());
    int sy = static_cast<int>(p_hero->getPosition().getY());
    std::vector<int> from(WIDTH * HEIGHT, -2);
    std::deque<int> queue{sy * WIDTH + sx};
    from[static_cast<size_t>(sy * WIDTH + sx)] = -1;
    const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
    while (!queue.empty()) {
      int at = queue.front();
      queue.pop_front();
      int x = at % WIDTH, y = at / WIDTH;
      if (at != sy * WIDTH + sx && goal(x, y)) {
        std::vector<Step> walk;
        for (int c = at; from[static_cast<size_t>(c)] != -1; c = from[static_cast<size_t>(c)])
          walk.insert(walk.begin(), Step{c % WIDTH, c / WIDTH});
        return walk;
      }
      for (int d = 0; d < 4; d++) {
        int nx = x + dx[d], ny = y + dy[d];
        if (!isOpen(nx, ny) || from[static_cast<size_t>(ny * WIDTH + nx)] != -2) continue;
        from[static_cast<size_t>(ny * WIDTH + nx)] = at;
        queue.push_back(ny * WIDTH + nx);
      }
    }
    return {};
  }

 private:
  Hero* p_hero;
  std::vector<signed char> open;
};

vt::Keyboard::Key towards(vt::Vector from, Step to) {
  if (to.x > from.getX()) return vt::Keyboard::RIGHT_ARROW;
  if (to.x < from.getX()) return vt::Keyboard::LEFT_ARROW;
  if (to.y > from.getY()) return vt::Keyboard::DOWN_ARROW;
  return vt::Keyboard::UP_ARROW;
}

class PlayThroughTest : public GameTest {
 protected:
  /// Holds the key that leads to each cell of the walk until the hero
  /// stands there; false if it did not get there in good time.
  bool walk(Hero* p_hero, const std::vector<Step>& cells) {
    for (Step next : cells) {
      vt::Keyboard::Key key = towards(p_hero->getPosition(), next);
      for (int tries = 0; p_hero->getPosition() != cell(next.x, next.y); tries++) {
        if (tries == 3) return false;
        frame({key});
      }
    }
    return true;
  }
};

}  // namespace

// Steered only by held keys, the hero collects every key of levels 1 to 5
// and reaches their doors before the time runs out, ending on the final screen.
TEST_F(PlayThroughTest, EveryLevelCanBeWonInTime) {
  buildLevel(currentLevel());
  for (int level = 1; level <= 5; level++) {
    SCOPED_TRACE("level " + std::to_string(level));
    ASSERT_EQ(currentLevel(), level);
    frame();  // the previous level's objects go
    Hero* p_hero = hero();
    int limit = p_hero->getTimeLeft();
    int started = step;
    Planner planner(p_hero);

    while (!ofType("Key").empty()) {
      std::vector<vt::Object*> keys = ofType("Key");
      std::vector<Step> path = planner.route([&](int x, int y) {
        for (vt::Object* p_key : keys)
          if (planner.touches(x, y, p_key)) return true;
        return false;
      });
      ASSERT_FALSE(path.empty()) << "no way to a key";
      ASSERT_TRUE(walk(p_hero, path));
      frame();  // the touched key goes
    }
    EXPECT_EQ(p_hero->getKeysCollected(), static_cast<int>(levelPlan(level).keys.size()));

    // The door is HARD: stand beside it and try to step into it.
    vt::Object* p_door = ofType("Door").at(0);
    vt::Keyboard::Key into = vt::Keyboard::UP_ARROW;
    std::vector<Step> path = planner.route([&](int x, int y) {
      const Step around[] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
      for (Step n : around)
        if (planner.touches(n.x, n.y, p_door)) {
          into = towards(cell(x, y), n);
          return true;
        }
      return false;
    });
    ASSERT_FALSE(path.empty()) << "no way to the door";
    ASSERT_TRUE(walk(p_hero, path));
    for (int tries = 0; currentLevel() == level; tries++) {
      ASSERT_LT(tries, 3) << "the door did not open";
      frame({into});
    }
    EXPECT_EQ(hero()->getKeysCollected(), 0);
    // Within the limit: the countdown never reached zero on the way.
    EXPECT_LT((step - started) / 30, limit);
  }
  frame();
  EXPECT_EQ(currentLevel(), 6);
  EXPECT_TRUE(ofType("Door").empty());
  EXPECT_TRUE(ofType("Key").empty());
  EXPECT_EQ(display("Time Remaining:")->getValue(), 999);
  EXPECT_EQ(ofType("Hero").size(), 1u);
}
