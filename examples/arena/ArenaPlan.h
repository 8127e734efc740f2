// The arena's layout and set-up: a walled field with a few inner walls and
// four walkers, drawn as text, and the size of the world that holds it.
#pragma once

#include <string>
#include <vector>

#include "world/Vector.h"

/// The world, which is also the view, in cells: the default window.
const float ARENA_HORIZONTAL = 80;
const float ARENA_VERTICAL = 24;

/// The row of the world where the plan's first row lies; the rows above
/// hold the head-up display, the row below the plan the help line.
const int PLAN_TOP = 3;

/// The plan, one string of 80 characters per row: '#' is a brick, 'W' a
/// walker's starting cell, a blank open floor.
const std::vector<std::string>& arenaPlan();

/// Whether a world cell is open floor of the arena (walkers stand on floor).
bool isFloor(vt::Vector cell);

/// Whether a position lies in a cell within the arena's outer walls.
bool insideWalls(vt::Vector position);

/// Loads the arena's sprites from sprites/ below the working directory.
void loadArenaResources();

/// Sets the world and the view to the arena's size.
void setArenaSize();

/// Puts a brick and a walker on every cell the plan has them.
void buildArena();
