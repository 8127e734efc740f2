#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "maze.h"

namespace {
std::set<std::pair<int, int>> cellsOfKind(int level, int kind) {
  std::set<std::pair<int, int>> cells;
  for (const WallPiece& p : levelWalls(level))
    if (kind < 0 || p.kind == kind) cells.insert({p.cell.x, p.cell.y});
  return cells;
}
}  // namespace

TEST(LevelLayout, WallPieceCountsAndPlans) {
  const int walls[] = {59, 203, 419, 617, 892, 20};
  const int limits[] = {30, 60, 90, 120, 150, 999};
  const std::size_t keys[] = {1, 1, 2, 3, 4, 0};
  for (int level = 1; level <= LEVEL_COUNT; level++) {
    EXPECT_EQ(levelWalls(level).size(), static_cast<std::size_t>(walls[level - 1])) << level;
    LevelPlan plan = levelPlan(level);
    EXPECT_EQ(plan.time_limit, limits[level - 1]);
    EXPECT_EQ(plan.keys.size(), keys[level - 1]);
    EXPECT_EQ(plan.has_door, level < 6);
    if (plan.has_door) {
      EXPECT_EQ(plan.door_keys, static_cast<int>(plan.keys.size()));
    }
  }
  EXPECT_TRUE(levelWalls(0).empty());
  EXPECT_TRUE(levelWalls(7).empty());
  EXPECT_EQ(levelPlan(7).time_limit, 0);
}

TEST(LevelLayout, AlternatingRunsInterleaveAndSharedCellsKeepBothPieces) {
  std::vector<WallPiece> level1 = levelWalls(1);
  // 1 + 23 + 1 + 1 + 16 + 1 pieces come before the side columns.
  ASSERT_EQ(level1.size(), 59u);
  for (int i = 0; i < 8; i++) {
    EXPECT_EQ(level1[43 + 2 * i].cell.x, 1);
    EXPECT_EQ(level1[43 + 2 * i].cell.y, 2 + i);
    EXPECT_EQ(level1[44 + 2 * i].cell.x, 25);
    EXPECT_EQ(level1[44 + 2 * i].cell.y, 2 + i);
  }
  std::vector<WallPiece> level5 = levelWalls(5);
  int at_1_50 = 0;
  for (const WallPiece& p : level5)
    if (p.cell.x == 1 && p.cell.y == 50) at_1_50++;
  EXPECT_EQ(at_1_50, 2);
}

TEST(LevelLayout, EachDoorLeavesAFiveCellGapCentredOnIt) {
  for (int level = 1; level <= 5; level++) {
    LevelPlan plan = levelPlan(level);
    std::set<std::pair<int, int>> walls = cellsOfKind(level, -1);
    for (int x = plan.door.x - 2; x <= plan.door.x + 2; x++)
      EXPECT_EQ(walls.count({x, plan.door.y}), 0u) << "level " << level << " x " << x;
    EXPECT_EQ(
        walls.count({plan.door.x - 3, plan.door.y}) + walls.count({plan.door.x + 3, plan.door.y}),
        2u)
        << "level " << level;
  }
}
