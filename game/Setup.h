// The game's one-time set-up: its resources and the size of its world.
#pragma once

/// Size of the world and of the view that follows the hero, in cells.
const float WORLD_HORIZONTAL = 125;
const float WORLD_VERTICAL = 100;
const float VIEW_HORIZONTAL = 75;
const float VIEW_VERTICAL = 20;

/// Loads the game's sprites, sounds and music from sprites/ and sounds/
/// below the working directory; what fails to load is left out.
void loadGameResources();

/// Sets the world to 125 by 100 cells with a 75 by 20 view at (0, 0).
void setWorldSize();
