// The level counter and the building and clearing of the game's levels.
// Levels 1 to 5 are the built-in mazes with keys and a door, level 6 the
// final screen; a player's own mazes may take the built-in ones' place.
#pragma once

#include <vector>

#include "LevelLayout.h"

/// The level being played, 1 when first asked for.
int& currentLevel();

/// Marks every active object of the world for deletion.
void clearLevel();

/// Creates the level's displays, door, keys, hero and walls; for a number
/// outside the game's levels only the level display and an unset countdown.
void buildLevel(int level);

/// Creates a maze's door, keys, hero and walls, in this order.
void populateLevel(const Maze& maze);

/// Plays these mazes in place of the built-in ones, then the final screen.
void playMazes(std::vector<Maze> mazes);

/// Whether the built-in mazes are played.
bool playsBuiltInLevels();

/// The number of levels: the mazes and the final screen.
int levelCount();

/// The maze of level 1 to levelCount().
Maze levelMaze(int level);
