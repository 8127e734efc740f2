#include <gtest/gtest.h>

#include <algorithm>

#include "ArenaTestSupport.h"

using namespace arena_test;

namespace {

/// The texts of the walkers and targets as saved, ids left out, sorted.
std::vector<std::string> savedTexts() {
  std::vector<std::string> texts;
  for (Walker* p_walker : walkers()) texts.push_back(withoutId(p_walker->serialize(true)));
  for (Target* p_target : targets()) texts.push_back(withoutId(p_target->serialize(true)));
  std::sort(texts.begin(), texts.end());
  return texts;
}

bool arrivedAt(vt::Vector target) {
  for (Walker* p_walker : walkers())
    if (p_walker->hasArrived() && p_walker->getTarget() == target) return true;
  return false;
}

}  // namespace

TEST_F(ArenaTest, ThePlanIsWalledAndHasFourWalkers) {
  for (const std::string& row : arenaPlan()) EXPECT_EQ(row.size(), 80u) << row;
  EXPECT_EQ(walkers().size(), 4u);
  EXPECT_FALSE(isFloor(cell(0, 10)));
  EXPECT_FALSE(isFloor(cell(10, 2)));  // the display's rows
  EXPECT_TRUE(isFloor(cell(10, 10)));
  EXPECT_EQ(shown(WALKING_LABEL), 0);
  EXPECT_EQ(shown(TARGETS_LABEL), 0);
}

TEST_F(ArenaTest, ClickedCellsDrawWalkersAroundTheWalls) {
  const vt::Vector goals[] = {cell(30, 8), cell(50, 10), cell(45, 20)};
  for (vt::Vector goal : goals) click(goal);
  click(cell(39, 15));  // a wall: nobody goes
  click(cell(5, 23));   // the help line
  EXPECT_EQ(shown(TARGETS_LABEL), 3);
  EXPECT_EQ(shown(WALKING_LABEL), 3);

  ASSERT_TRUE(walkUntilStill());
  for (vt::Vector goal : goals) EXPECT_TRUE(arrivedAt(goal)) << goal.getX() << ", " << goal.getY();
  EXPECT_EQ(shown(WALKING_LABEL), 0);
  EXPECT_EQ(shown(ARRIVED_LABEL), 3);
  EXPECT_EQ(shown(TARGETS_LABEL), 3);
  for (Target* p_target : targets()) EXPECT_TRUE(p_target->isReached());

  // Sent on, a walker leaves its old target behind.
  click(cell(32, 8));
  frame();
  EXPECT_EQ(shown(TARGETS_LABEL), 3);
  EXPECT_EQ(shown(ARRIVED_LABEL), 2);
  ASSERT_TRUE(walkUntilStill());
  EXPECT_TRUE(arrivedAt(cell(32, 8)));
}

TEST_F(ArenaTest, ArenaSavedOnTheWayLoadsBackEqualAndWalksOn) {
  click(cell(30, 8));
  click(cell(60, 20));
  for (int i = 0; i < 40; i++) frame();
  ASSERT_EQ(shown(WALKING_LABEL), 2);
  std::vector<std::string> before = savedTexts();

  press(vt::Keyboard::S);
  std::vector<std::string> lines = vt_test::readLines(ARENA_FILE);
  EXPECT_EQ(lines.size(), 6u);  // four walkers, two targets
  for (std::string& line : lines) line = withoutId(line);
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, before);

  std::vector<Walker*> old_walkers = walkers();
  press(vt::Keyboard::L);
  std::vector<Walker*> loaded = walkers();
  for (Walker* p_walker : loaded)
    EXPECT_EQ(std::count(old_walkers.begin(), old_walkers.end(), p_walker), 0);
  EXPECT_EQ(savedTexts(), before);
  EXPECT_NE(p_arena->getHelpLine()->getViewString().find("Loaded 6 objects"), std::string::npos);

  frame();
  EXPECT_EQ(walkers().size(), 4u);
  EXPECT_EQ(vt::WorldManager::getInstance().getAllObjects(true).getCount(),
            vt::WorldManager::getInstance().getAllObjects().getCount());  // old ones gone
  ASSERT_TRUE(walkUntilStill());
  EXPECT_TRUE(arrivedAt(cell(30, 8)));
  EXPECT_TRUE(arrivedAt(cell(60, 20)));
}

TEST_F(ArenaTest, NothingToLoadOrNowhereToSaveLeavesTheArenaAsItWas) {
  click(cell(30, 8));
  std::vector<Walker*> before = walkers();
  EXPECT_EQ(loadArena("missing.txt"), -1);
  vt_test::writeFile("other.txt", "type:Brick,pos-x:3,pos-y:3,\nnonsense\n");
  EXPECT_EQ(loadArena("other.txt"), -1);
  EXPECT_EQ(walkers(), before);
  EXPECT_EQ(targets().size(), 1u);

  EXPECT_EQ(saveArena("no-such-folder/arena.txt"), -1);
  vt_test::writeFile(ARENA_FILE, "an earlier save\n");
  std::filesystem::create_directory(ARENA_FILE + ".new");  // in the way of the write
  EXPECT_EQ(saveArena(ARENA_FILE), -1);
  EXPECT_EQ(vt_test::readFile(ARENA_FILE), "an earlier save\n");
}

TEST_F(ArenaTest, WalkerWithNoWayOutGivesUpItsTarget) {
  // Shut in the walker in the top left corner.
  for (vt::Vector at : {cell(1, 4), cell(3, 4), cell(1, 5), cell(2, 5), cell(3, 5)}) new Brick(at);
  ASSERT_EQ(p_arena->sendWalker(cell(5, 6)), 0);
  for (int i = 0; i < 5; i++) frame();
  EXPECT_EQ(shown(WALKING_LABEL), 0);
  EXPECT_EQ(shown(TARGETS_LABEL), 0);
  EXPECT_TRUE(targets().empty());
  EXPECT_EQ(p_arena->sendWalker(cell(0, 0)), -1);
}

TEST(ArenaStoreTest, WithoutIdDropsOnlyTheIdItem) {
  EXPECT_EQ(withoutId("id:5,is_active:true,"), "is_active:true,");
  EXPECT_EQ(withoutId("pid:3,id:12,x:2,"), "pid:3,x:2,");
  EXPECT_EQ(withoutId("x:2,"), "x:2,");
  EXPECT_EQ(withoutId("id:7"), "");
}
