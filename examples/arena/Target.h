// Marks a cell a walker was sent to: a yellow circle while the walker is on
// its way, a green square once it is there. Targets never collide and lie
// under the walkers.
#pragma once

#include "world/Object.h"

class Target : public vt::Object {
 public:
  explicit Target(vt::Vector cell = vt::Vector());

  void setReached(bool reached);
  bool isReached() const;
};
