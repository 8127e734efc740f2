// The game's one-time set-up: its resources and the size of its world.
#pragma once

/// Size of the world and of the view that follows the hero, in cells.
const float WORLD_HORIZONTAL = 125;
const float WORLD_VERTICAL = 100;
const float VIEW_HORIZONTAL = 75;
const float VIEW_VERTICAL = 20;

/// The window cell where the view's corner is drawn: below the three rows
/// of the displays, and centred across the window's 80 columns.
const float VIEW_LEFT = 2;
const float VIEW_TOP = 3;

/// Loads the game's sprites, sounds and music from sprites/ and sounds/
/// below the working directory; what fails to load is left out.
void loadGameResources();

/// Loads only the sprites; whether every one loaded.
bool loadGameSprites();

/// Sets the world to 125 by 100 cells with a 75 by 20 view at (0, 0),
/// drawn below the displays. The view follows the hero within the middle
/// third of its width and, so that its corner stays on whole cells, the
/// middle six rows of its height.
void setWorldSize();
