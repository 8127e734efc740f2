#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "GameTestSupport.h"

using namespace game_test;

namespace {

using Cells = std::vector<std::pair<int, int>>;

struct Expected {
  int level, time_limit, walls;
  std::pair<int, int> door_at;  // (0, 0): no door
  Cells keys;
  std::pair<int, int> hero_at;
};

const Expected LEVELS[] = {
    {1, 30, 59, {5, 10}, {{3, 4}}, {20, 5}},
    {2, 60, 203, {5, 25}, {{3, 4}}, {40, 20}},
    {3, 90, 419, {60, 50}, {{72, 4}, {5, 46}}, {5, 5}},
    {4, 120, 617, {35, 0}, {{3, 4}, {12, 70}, {97, 55}}, {5, 65}},
    {5, 150, 892, {62, 0}, {{3, 96}, {122, 3}, {33, 96}, {122, 96}}, {62, 50}},
    {6, 999, 20, {0, 0}, {}, {5, 5}},
};

const char* const HELP[] = {"WASD/arrows to move, Q to quit",
                            "Collect the keys and find the doors before time runs out!"};

std::pair<int, int> at(const vt::Object* p_o) {
  return {static_cast<int>(p_o->getPosition().getX()), static_cast<int>(p_o->getPosition().getY())};
}

/// The display's value, after checking where and how it is drawn; -1 without it.
int shown(const std::string& label, vt::ViewObjectLocation location, vt::Color color = vt::YELLOW,
          bool draws_value = true) {
  vt::ViewObject* p_view = display(label);
  if (!p_view) return -1;
  EXPECT_EQ(p_view->getLocation(), location) << label;
  EXPECT_EQ(p_view->getColor(), color) << label;
  EXPECT_EQ(p_view->getDrawValue(), draws_value) << label;
  return p_view->getValue();
}

// The cells a piece's picture covers, centred on its position as drawn.
Cells covered(const vt::Object* p_o) {
  Cells cells;
  int w = p_o->getSprite()->getWidth(), h = p_o->getSprite()->getHeight();
  auto [x, y] = at(p_o);
  for (int dy = 0; dy < h; dy++)
    for (int dx = 0; dx < w; dx++) cells.push_back({x - w / 2 + dx, y - h / 2 + dy});
  return cells;
}

class LevelTest : public GameTest {};

}  // namespace

TEST_F(LevelTest, EachLevelHasItsDisplaysDoorKeysHeroAndWalls) {
  for (const Expected& e : LEVELS) {
    SCOPED_TRACE("level " + std::to_string(e.level));
    clearLevel();
    vt::WorldManager::getInstance().update();
    buildLevel(e.level);
    EXPECT_EQ(ofType("Wall").size(), static_cast<size_t>(e.walls));
    std::vector<vt::Object*> doors = ofType("Door");
    ASSERT_EQ(doors.size(), e.level < 6 ? 1u : 0u);
    if (!doors.empty()) {
      EXPECT_EQ(static_cast<Door*>(doors[0])->getKeysRequired(), static_cast<int>(e.keys.size()));
      // The door fills a five-cell gap in an otherwise closed outer wall.
      auto [d, row] = e.door_at;
      std::vector<int> walled;
      for (vt::Object* p_wall : ofType("Wall"))
        for (auto [x, y] : covered(p_wall))
          if (y == row) walled.push_back(x);
      Cells gap;
      for (int x = 1; x <= *std::max_element(walled.begin(), walled.end()); x++)
        if (std::find(walled.begin(), walled.end(), x) == walled.end()) gap.push_back({x, row});
      EXPECT_EQ(gap, (Cells{{d - 2, row}, {d - 1, row}, {d, row}, {d + 1, row}, {d + 2, row}}));
      EXPECT_EQ(covered(doors[0]), gap);
    }
    Cells keys;
    for (vt::Object* p_key : ofType("Key")) keys.push_back(at(p_key));
    EXPECT_EQ(keys, e.keys);
    ASSERT_EQ(ofType("Hero").size(), 1u);
    EXPECT_EQ(at(hero()), e.hero_at);
    EXPECT_EQ(hero()->getTimeLeft(), e.time_limit);
    EXPECT_EQ(vt::WorldManager::getInstance().getViewFollowing(), hero());

    EXPECT_EQ(shown("Level", vt::TOP_LEFT), e.level);
    EXPECT_EQ(shown("Time Remaining:", vt::TOP_RIGHT), e.time_limit);
    EXPECT_EQ(shown("Keys Remaining", vt::TOP_CENTER), e.keys.empty() ? -1 : int(e.keys.size()));
    bool help = e.level == 1;
    EXPECT_EQ(shown(HELP[0], vt::CENTER_RIGHT, vt::GREEN, false), help ? 0 : -1);
    EXPECT_EQ(shown(HELP[1], vt::BOTTOM_CENTER, vt::GREEN, false), help ? 0 : -1);
    EXPECT_EQ(static_cast<int>(ofType().size()), levelObjects(e.level));
  }
  // Building levels never touches the counter.
  EXPECT_EQ(currentLevel(), 1);
}

TEST_F(LevelTest, ClearingMarksEveryObjectOnceAndUnknownLevelsGetOnlyTwoDisplays) {
  clearLevel();  // an empty world
  buildLevel(1);
  clearLevel();
  clearLevel();
  buildLevel(7);
  EXPECT_EQ(static_cast<int>(ofType().size()), levelObjects(1) + 2);
  vt::WorldManager::getInstance().update();
  ASSERT_EQ(ofType().size(), 2u);
  EXPECT_EQ(display("Level")->getValue(), 7);
  EXPECT_EQ(display("Time Remaining:")->getValue(), 0);
}
