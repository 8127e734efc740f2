#include <gtest/gtest.h>

#include <vector>

#include "RoutePlanner.h"

using namespace game_test;

namespace {

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
    std::vector<Step> path =
        planner.route([&](int x, int y) { return planner.nextTo(x, y, p_door, into); });
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
