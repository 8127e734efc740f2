// The fixed content of the game's six levels: time limits, door, keys, the
// hero's start and every wall piece, in the order they are created; and the
// maze, the content of any one level, built in or a player's own.
#pragma once

#include <string>
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

/// A straight run of pieces of one kind, to the right or downwards from one
/// cell to another, inclusive. A run marked to alternate is created
/// interleaved with the run after it: one piece of each in turn.
struct WallRun {
  int kind;
  Cell from;
  Cell to;
  bool alternate_with_next = false;
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

/// The wall runs of levels 1 to 6 in creation order; none for any other number.
std::vector<WallRun> levelRuns(int level);

/// The wall pieces of levels 1 to 6 in creation order; none for any other number.
std::vector<WallPiece> levelWalls(int level);

/// The pieces of runs in creation order. A run going left, up or askew
/// gives its first cell only.
std::vector<WallPiece> wallPieces(const std::vector<WallRun>& runs);

/// One level's whole content. The door needs every key of the maze.
struct Maze {
  std::string name;  ///< may be empty
  LevelPlan plan;
  std::vector<WallRun> walls;
};

/// Built-in level 1 to 6 as a maze named "Level N".
Maze builtInMaze(int level);
