#include "Target.h"

#include "Cell.h"
#include "presentation/Shape.h"

namespace {
// In pixels: a circle's radius, twice a square's.
const float CIRCLE_SIZE = 8;
const float SQUARE_SIZE = 16;
}  // namespace

Target::Target(vt::Vector cell) {
  setType("Target");
  setPosition(cell);
  setSolidness(vt::SPECTRAL);
  setAltitude(1);
  setBox(cellBox());
  setReached(false);
}

void Target::setReached(bool reached) {
  vt::Shape shape = getShape();
  shape.setType(reached ? vt::SQUARE : vt::CIRCLE);
  shape.setColor(reached ? vt::GREEN : vt::YELLOW);
  shape.setSize(reached ? SQUARE_SIZE : CIRCLE_SIZE);
  setShape(shape);
}

bool Target::isReached() const { return getShape().getType() == vt::SQUARE; }
