// The door of a level: a HARD object the hero cannot enter. When the hero
// runs into it holding exactly the keys it requires, the hero moves on to
// the next level.
#pragma once

#include "world/Object.h"
#include "world/Vector.h"

class Door : public vt::Object {
 public:
  Door(int keys_required, vt::Vector position);

  int getKeysRequired() const;

 private:
  int keys_required;
};
