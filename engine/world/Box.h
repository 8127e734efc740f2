// An axis-aligned rectangle in character cells: a top-left corner and its
// horizontal and vertical extents.
#pragma once

#include "world/Vector.h"

namespace vt {

class Box {
 public:
  Box() = default;
  Box(Vector init_corner, float init_horizontal, float init_vertical)
      : corner(init_corner), horizontal(init_horizontal), vertical(init_vertical) {}

  Vector getCorner() const { return corner; }
  void setCorner(Vector new_corner) { corner = new_corner; }
  float getHorizontal() const { return horizontal; }
  void setHorizontal(float new_horizontal) { horizontal = new_horizontal; }
  float getVertical() const { return vertical; }
  void setVertical(float new_vertical) { vertical = new_vertical; }

 private:
  Vector corner;
  float horizontal = 0;
  float vertical = 0;
};

}  // namespace vt
