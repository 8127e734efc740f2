#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "GameTestSupport.h"

using namespace game_test;

namespace {

using Cells = std::vector<std::pair<int, int>>;

struct Expected {
  int level;
  int time_limit;
  int walls;
  bool door;
  int door_keys;
  std::pair<int, int> door_at;
  Cells keys;
  std::pair<int, int> hero_at;
};

const Expected LEVELS[] = {
    {1, 30, 59, true, 1, {5, 10}, {{3, 4}}, {20, 5}},
    {2, 60, 203, true, 1, {5, 25}, {{3, 4}}, {40, 20}},
    {3, 90, 419, true, 2, {60, 50}, {{72, 4}, {5, 46}}, {5, 5}},
    {4, 120, 617, true, 3, {35, 0}, {{3, 4}, {12, 70}, {97, 55}}, {5, 65}},
    {5, 150, 892, true, 4, {62, 0}, {{3, 96}, {122, 3}, {33, 96}, {122, 96}}, {62, 50}},
    {6, 999, 20, false, 0, {0, 0}, {}, {5, 5}},
};

std::pair<int, int> at(const vt::Object* p_o) {
  return {static_cast<int>(p_o->getPosition().getX()), static_cast<int>(p_o->getPosition().getY())};
}

void expectDisplay(const std::string& label, vt::ViewObjectLocation location, vt::Color color,
                   bool draws_value) {
  vt::ViewObject* p_view = display(label);
  ASSERT_NE(p_view, nullptr) << label;
  EXPECT_EQ(p_view->getLocation(), location) << label;
  EXPECT_EQ(p_view->getColor(), color) << label;
  EXPECT_EQ(p_view->getDrawValue(), draws_value) << label;
}

// The cells a piece's picture covers, centred on its position as drawn.
std::vector<std::pair<int, int>> covered(const vt::Object* p_o) {
  std::vector<std::pair<int, int>> cells;
  vt::Sprite* p_sprite = p_o->getSprite();
  int w = p_sprite->getWidth(), h = p_sprite->getHeight();
  auto [x, y] = at(p_o);
  for (int dy = 0; dy < h; dy++)
    for (int dx = 0; dx < w; dx++) cells.push_back({x - w / 2 + dx, y - h / 2 + dy});
  return cells;
}

class LevelTest : public GameTest {
 protected:
  void rebuild(int level) {
    clearLevel();
    vt::WorldManager::getInstance().update();
    buildLevel(level);
  }
};

}  // namespace

TEST_F(LevelTest, EachLevelHasItsDisplaysDoorKeysHeroAndWalls) {
  for (const Expected& e : LEVELS) {
    SCOPED_TRACE("level " + std::to_string(e.level));
    rebuild(e.level);

    EXPECT_EQ(ofType("Wall").size(), static_cast<size_t>(e.walls));
    std::vector<vt::Object*> doors = ofType("Door");
    ASSERT_EQ(doors.size(), e.door ? 1u : 0u);
    if (e.door) {
      EXPECT_EQ(at(doors[0]), e.door_at);
      EXPECT_EQ(static_cast<Door*>(doors[0])->getKeysRequired(), e.door_keys);
    }
    Cells keys;
    for (vt::Object* p_key : ofType("Key")) {
      keys.push_back(at(p_key));
      EXPECT_EQ(p_key->getSolidness(), vt::SOFT);
      EXPECT_EQ(p_key->getSpriteSlowdown(), 15);
    }
    EXPECT_EQ(keys, e.keys);

    ASSERT_EQ(ofType("Hero").size(), 1u);
    Hero* p_hero = hero();
    EXPECT_EQ(at(p_hero), e.hero_at);
    EXPECT_EQ(p_hero->getTimeLeft(), e.time_limit);
    EXPECT_EQ(vt::WorldManager::getInstance().getViewFollowing(), p_hero);

    expectDisplay("Level", vt::TOP_LEFT, vt::YELLOW, true);
    EXPECT_EQ(display("Level")->getValue(), e.level);
    expectDisplay("Time Remaining:", vt::TOP_RIGHT, vt::YELLOW, true);
    EXPECT_EQ(display("Time Remaining:")->getValue(), e.time_limit);
    if (e.keys.empty()) {
      EXPECT_EQ(display("Keys Remaining"), nullptr);
      EXPECT_EQ(p_hero->getKeysView(), nullptr);
    } else {
      expectDisplay("Keys Remaining", vt::TOP_CENTER, vt::YELLOW, true);
      EXPECT_EQ(display("Keys Remaining")->getValue(), static_cast<int>(e.keys.size()));
    }
    bool help = e.level == 1;
    EXPECT_EQ(display("WASD/arrows to move, Q to quit") != nullptr, help);
    EXPECT_EQ(display("Collect the keys and find the doors before time runs out!") != nullptr,
              help);
    if (help) {
      expectDisplay("WASD/arrows to move, Q to quit", vt::CENTER_RIGHT, vt::GREEN, false);
      expectDisplay("Collect the keys and find the doors before time runs out!", vt::BOTTOM_CENTER,
                    vt::GREEN, false);
    }
    size_t total = 3 + (e.door ? 1 : 0) + e.keys.size() + (e.keys.empty() ? 0 : 1) +
                   static_cast<size_t>(e.walls) + (help ? 2 : 0);
    EXPECT_EQ(allObjects().size(), total);
  }
  // Building levels never touches the counter.
  EXPECT_EQ(currentLevel(), 1);
}

TEST_F(LevelTest, EachDoorFillsAFiveCellGapInAnOtherwiseClosedOuterWall) {
  for (const Expected& e : LEVELS) {
    if (!e.door) continue;
    SCOPED_TRACE("level " + std::to_string(e.level));
    rebuild(e.level);
    int row = e.door_at.second;
    std::vector<int> walled;
    for (vt::Object* p_wall : ofType("Wall"))
      for (auto [x, y] : covered(p_wall))
        if (y == row) walled.push_back(x);
    std::vector<int> gap;
    int right = *std::max_element(walled.begin(), walled.end());
    for (int x = 1; x <= right; x++)
      if (std::find(walled.begin(), walled.end(), x) == walled.end()) gap.push_back(x);
    int d = e.door_at.first;
    EXPECT_EQ(gap, (std::vector<int>{d - 2, d - 1, d, d + 1, d + 2}));
    Cells door_cells;
    for (int x : gap) door_cells.push_back({x, row});
    EXPECT_EQ(covered(ofType("Door")[0]), door_cells);
  }
}

TEST_F(LevelTest, ClearingMarksEveryObjectOnceAndUnknownLevelsGetOnlyTwoDisplays) {
  clearLevel();  // an empty world
  buildLevel(1);
  size_t level_one = allObjects().size();
  clearLevel();
  clearLevel();
  buildLevel(7);
  EXPECT_EQ(allObjects().size(), level_one + 2);
  vt::WorldManager::getInstance().update();
  ASSERT_EQ(allObjects().size(), 2u);
  EXPECT_EQ(display("Level")->getValue(), 7);
  EXPECT_EQ(display("Time Remaining:")->getValue(), 0);
}
