// The one SFML polygon every shape is drawn with, for checks of the
// geometry a shape gave it. Internal to the engine and its tests; not part
// of vantle.h.
#pragma once

#include <SFML/Graphics/CircleShape.hpp>

namespace vt {

/// The polygon as the last shape drawn left it; null before the first draw.
const sf::CircleShape* sharedShapePolygon();

}  // namespace vt
