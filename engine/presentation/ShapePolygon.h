// The one polygon every shape is drawn as, for checks of the geometry a
// shape gave it. Internal to the engine and its tests; not part of vantle.h.
#pragma once

#include "presentation/Screen.h"

namespace vt {

/// The polygon as the last shape drawn left it; null before the first draw.
const ScreenShape* sharedShapePolygon();

}  // namespace vt
