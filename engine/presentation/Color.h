// The engine's colour names, shared by configuration, sprites, view objects
// and shapes, and their red, green and blue components.
#pragma once

#include <cstdint>

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

/// Stores the red, green and blue components of color. CUSTOM and unknown
/// values have no components: the arguments are left as they are.
void colorToRGB(Color color, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue);

/// An engine colour as 0xRRGGBB; white for CUSTOM and unknown values.
std::uint32_t colorRGB(Color color);

}  // namespace vt
