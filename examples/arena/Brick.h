// One cell of the arena's walls. Bricks are HARD, so the walkers' path
// searches lead around them.
#pragma once

#include "world/Object.h"

class Brick : public vt::Object {
 public:
  /// A brick on cell, drawn with the "brick" sprite if it is loaded.
  explicit Brick(vt::Vector cell);
};
