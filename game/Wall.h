// One piece of a maze wall: a HARD object showing one of the wall pictures,
// chosen by its kind (see WallKind.h). It blocks the hero and ignores every
// event.
#pragma once

#include "world/Object.h"
#include "world/Vector.h"

class Wall : public vt::Object {
 public:
  /// A kind outside 0 to 6 gives a piece without a picture.
  Wall(int kind, vt::Vector position);

  int getKind() const;

 private:
  int kind;
};
