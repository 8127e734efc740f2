// A key lying in the maze: a SOFT object, so the hero walks over it and both
// are told of the collision. The hero counts it; the key takes itself out of
// the world.
#pragma once

#include "world/Object.h"
#include "world/Vector.h"

class Key : public vt::Object {
 public:
  explicit Key(vt::Vector position);

  /// Any collision marks the key for deletion; 1 for collisions, else 0.
  int eventHandler(const vt::Event* p_e) override;
};
