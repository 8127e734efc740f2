// The fixed content of the game's six levels: time limits, door, keys, the
// hero's start and every wall piece, in the order they are created.
#pragma once

#include <vector>

/// Number of levels, the last being the final screen without keys or door.
const int LEVEL_COUNT = 6;

/// A cell position of the maze.
struct Cell {
  int x;
  int y;
};

/// One wall piece: its picture kind and its cell.
struct WallPiece {
  int kind;
  Cell cell;
};

/// Everything but the walls of one level.
struct LevelPlan {
  int time_limit = 0;
  bool has_door = false;
  int door_keys = 0;
  Cell door{0, 0};
  std::vector<Cell> keys;
  Cell hero{0, 0};
};

/// The plan of levels 1 to 6; an empty plan for any other number.
LevelPlan levelPlan(int level);

/// The wall pieces of levels 1 to 6 in creation order; none for any other number.
std::vector<WallPiece> levelWalls(int level);
