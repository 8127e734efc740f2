// The level counter and the building and clearing of the game's levels.
// Levels 1 to 5 are mazes with keys and a door, level 6 the final screen.
#pragma once

/// The level being played, 1 when first asked for.
int& currentLevel();

/// Marks every active object of the world for deletion.
void clearLevel();

/// Creates the level's displays, door, keys, hero and walls; for a number
/// outside 1 to 6 only the level display and an unset countdown.
void buildLevel(int level);
