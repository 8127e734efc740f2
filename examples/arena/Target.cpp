#include "Target.h"

#include "Cell.h"
#include "presentation/Shape.h"

namespace {
// In pixels; the circle is twice as wide.
const float TARGET_SIZE = 10;
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
  shape.setSize(TARGET_SIZE);
  setShape(shape);
}

bool Target::isReached() const { return getShape().getType() == vt::SQUARE; }
