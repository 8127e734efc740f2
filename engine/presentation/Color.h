// The engine's colour names, shared by configuration, sprites, view objects
// and shapes.
#pragma once

namespace vt {

enum Color {
  BLACK = 0,
  RED,
  GREEN,
  YELLOW,
  BLUE,
  MAGENTA,
  CYAN,
  WHITE,
  CUSTOM,
};

const Color COLOR_DEFAULT = WHITE;

}  // namespace vt
