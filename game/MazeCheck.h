// Whether a maze can be won: every key and then the door within the hero's
// reach, under the game's own movement and collision rules.
#pragma once

#include <string>

#include "LevelLayout.h"

struct MazeVerdict {
  bool winnable;
  /// "every key and then the door can be reached", "key 2 at (12, 70)
  /// cannot be reached", "the door at (35, 0) cannot be reached", "no
  /// door: the maze cannot be won", "the hero can walk out of the world
  /// from (0, 3)", ...
  std::string text;
};

/// Builds the maze in the world, which must be started with the game's
/// sprites and world size and hold no level; plans the hero's ways to each
/// key and to the door; and clears the world again.
MazeVerdict checkMaze(const Maze& maze);

/// For a game playing a maze of the player's from file: checks level 1's
/// maze in the started world, which holds no level yet, and when it cannot
/// be won says why on standard error and in the log. It is played all the
/// same.
void warnIfUnwinnable(const std::string& file);

/// The program's --check: reads the file, starts the engine's world and
/// resources quietly, without a window or a log, and checks the maze; says
/// "FILE: verdict." on standard output, or why the file was refused on
/// standard error. 0 when the maze can be won, 1 otherwise.
int checkMazeFile(const std::string& file);
