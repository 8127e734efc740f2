#include "LevelLayout.h"

#include "WallKind.h"

namespace {

WallRun horizontal(int kind, int y, int x_from, int x_to, bool alternate = false) {
  return WallRun{kind, {x_from, y}, {x_to, y}, alternate};
}

WallRun vertical(int kind, int x, int y_from, int y_to, bool alternate = false) {
  return WallRun{kind, {x, y_from}, {x, y_to}, alternate};
}

WallRun single(int kind, int x, int y) { return WallRun{kind, {x, y}, {x, y}, false}; }

std::vector<Cell> cellsOf(const WallRun& run) {
  std::vector<Cell> cells{run.from};
  bool straight = run.from.x == run.to.x || run.from.y == run.to.y;
  if (!straight || run.to.x < run.from.x || run.to.y < run.from.y) return cells;
  int dx = run.to.x > run.from.x ? 1 : 0;
  int dy = run.to.y > run.from.y ? 1 : 0;
  for (Cell c = run.from; c.x != run.to.x || c.y != run.to.y;) {
    c = Cell{c.x + dx, c.y + dy};
    cells.push_back(c);
  }
  return cells;
}

const int TOP = TOP_CORNER_WALL;
const int LEFT = BOTTOM_LEFT_CORNER_WALL;
const int RIGHT = BOTTOM_RIGHT_CORNER_WALL;
const int H = SINGLE_HORIZONTAL_WALL;
const int V = SINGLE_VERTICAL_WALL;

}  // namespace

std::vector<WallRun> levelRuns(int level) {
  switch (level) {
    case 1:
      return {single(TOP, 1, 1),          horizontal(H, 0, 2, 24),  single(TOP, 25, 1),
              single(LEFT, 2, 10),        horizontal(H, 10, 8, 23), single(RIGHT, 25, 10),
              vertical(V, 1, 2, 9, true), vertical(V, 25, 2, 9)};
    case 2:
      return {single(TOP, 1, 1),           horizontal(H, 0, 2, 49),  single(TOP, 50, 1),
              single(LEFT, 2, 25),         horizontal(H, 25, 8, 48), single(RIGHT, 50, 25),
              vertical(V, 1, 2, 24, true), vertical(V, 50, 2, 24),   horizontal(H, 8, 2, 25),
              horizontal(H, 16, 10, 49)};
    case 3:
      return {single(TOP, 1, 1),       horizontal(H, 0, 2, 74),     single(TOP, 75, 1),
              single(LEFT, 2, 50),     horizontal(H, 50, 3, 57),    horizontal(H, 50, 63, 73),
              single(RIGHT, 75, 50),   vertical(V, 1, 2, 49, true), vertical(V, 75, 2, 49),
              vertical(V, 10, 1, 6),   horizontal(H, 15, 2, 29),    vertical(V, 30, 8, 15),
              vertical(V, 62, 1, 24),  horizontal(H, 25, 10, 62),   horizontal(H, 33, 2, 44),
              vertical(V, 46, 33, 41), vertical(V, 23, 41, 49)};
    case 4:
      return {single(TOP, 1, 1),       horizontal(H, 0, 2, 32),     horizontal(H, 0, 38, 99),
              single(TOP, 100, 1),     single(LEFT, 2, 75),         horizontal(H, 75, 3, 99),
              single(RIGHT, 100, 75),  vertical(V, 1, 2, 74, true), vertical(V, 100, 2, 74),
              vertical(V, 10, 40, 74), horizontal(H, 10, 2, 66),    horizontal(H, 65, 11, 39),
              vertical(V, 40, 52, 64), horizontal(H, 52, 40, 59),   horizontal(H, 40, 40, 79),
              vertical(V, 80, 10, 64), horizontal(H, 65, 80, 99)};
    case 5:
      return {single(TOP, 1, 1),          horizontal(H, 0, 2, 59),
              horizontal(H, 0, 65, 124),  single(TOP, 125, 1),
              single(LEFT, 2, 100),       horizontal(H, 100, 3, 124),
              single(RIGHT, 125, 100),    vertical(V, 1, 2, 99, true),
              vertical(V, 125, 2, 99),    horizontal(H, 45, 52, 54, true),
              horizontal(H, 55, 52, 54),  horizontal(H, 45, 69, 71, true),
              horizontal(H, 55, 69, 71),  single(V, 51, 46),
              single(V, 72, 46),          single(V, 51, 54),
              single(V, 72, 54),          vertical(V, 69, 56, 84),
              vertical(V, 30, 86, 99),    vertical(V, 113, 1, 44),
              vertical(V, 113, 55, 79),   vertical(V, 100, 70, 99),
              vertical(V, 84, 16, 54),    vertical(V, 15, 65, 74),
              horizontal(H, 15, 12, 94),  horizontal(H, 30, 92, 111),
              horizontal(H, 54, 85, 124), horizontal(H, 85, 25, 68),
              horizontal(H, 85, 1, 14),   horizontal(H, 50, 1, 29),
              horizontal(H, 75, 15, 29)};
    case 6:
      return {single(V, 10, 10), single(V, 12, 10), single(V, 14, 11), single(V, 16, 11),
              single(V, 18, 11), single(V, 20, 11), single(V, 11, 11), single(H, 11, 10),
              single(H, 15, 10), single(H, 15, 11), single(H, 19, 11), single(V, 10, 13),
              single(V, 12, 13), single(V, 14, 13), single(V, 16, 13), single(V, 18, 13),
              single(V, 20, 13), single(H, 11, 13), single(H, 13, 13), single(H, 19, 12)};
    default:
      return {};
  }
}

LevelPlan levelPlan(int level) {
  LevelPlan plan;
  switch (level) {
    case 1:
      plan.time_limit = 30;
      plan.has_door = true;
      plan.door_keys = 1;
      plan.door = {5, 10};
      plan.keys = {{3, 4}};
      plan.hero = {20, 5};
      break;
    case 2:
      plan.time_limit = 60;
      plan.has_door = true;
      plan.door_keys = 1;
      plan.door = {5, 25};
      plan.keys = {{3, 4}};
      plan.hero = {40, 20};
      break;
    case 3:
      plan.time_limit = 90;
      plan.has_door = true;
      plan.door_keys = 2;
      plan.door = {60, 50};
      plan.keys = {{72, 4}, {5, 46}};
      plan.hero = {5, 5};
      break;
    case 4:
      plan.time_limit = 120;
      plan.has_door = true;
      plan.door_keys = 3;
      plan.door = {35, 0};
      plan.keys = {{3, 4}, {12, 70}, {97, 55}};
      plan.hero = {5, 65};
      break;
    case 5:
      plan.time_limit = 150;
      plan.has_door = true;
      plan.door_keys = 4;
      plan.door = {62, 0};
      plan.keys = {{3, 96}, {122, 3}, {33, 96}, {122, 96}};
      plan.hero = {62, 50};
      break;
    case 6:
      plan.time_limit = 999;
      plan.hero = {5, 5};
      break;
    default:
      break;
  }
  return plan;
}

std::vector<WallPiece> levelWalls(int level) { return wallPieces(levelRuns(level)); }

std::vector<WallPiece> wallPieces(const std::vector<WallRun>& runs) {
  std::vector<WallPiece> pieces;
  for (std::size_t r = 0; r < runs.size(); r++) {
    std::vector<Cell> first = cellsOf(runs[r]);
    if (runs[r].alternate_with_next && r + 1 < runs.size()) {
      std::vector<Cell> second = cellsOf(runs[r + 1]);
      for (std::size_t i = 0; i < first.size() || i < second.size(); i++) {
        if (i < first.size()) pieces.push_back({runs[r].kind, first[i]});
        if (i < second.size()) pieces.push_back({runs[r + 1].kind, second[i]});
      }
      r++;
      continue;
    }
    for (const Cell& c : first) pieces.push_back({runs[r].kind, c});
  }
  return pieces;
}

Maze builtInMaze(int level) {
  return Maze{"Level " + std::to_string(level), levelPlan(level), levelRuns(level)};
}
