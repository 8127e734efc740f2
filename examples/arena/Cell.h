// Cells of the arena: whole-numbered positions, each object covering the one
// it stands on. The box is a shade smaller than a cell so that objects on
// neighbouring cells do not touch (box edges count as touching).
#pragma once

#include <cmath>

#include "world/Box.h"
#include "world/Vector.h"

/// The box of an object that fills its cell, relative to its position.
inline vt::Box cellBox() { return vt::Box(vt::Vector(-0.5f, -0.5f), 0.99f, 0.99f); }

/// The cell a position lies in: its whole-numbered part.
inline vt::Vector cellOf(vt::Vector position) {
  return vt::Vector(std::floor(position.getX()), std::floor(position.getY()));
}
