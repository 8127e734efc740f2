// The pictures a wall piece can show.
#pragma once

enum WallKind {
  HORIZONTAL_WALL = 0,
  SINGLE_HORIZONTAL_WALL = 1,
  VERTICAL_WALL = 2,
  SINGLE_VERTICAL_WALL = 3,
  TOP_CORNER_WALL = 4,
  BOTTOM_LEFT_CORNER_WALL = 5,
  BOTTOM_RIGHT_CORNER_WALL = 6,
};
