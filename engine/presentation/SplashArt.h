// The pictures of the engine's splash screen, built in code rather than
// loaded from sprite files: the engine's name in two letterings and the
// winged emblem flying and at rest. The caller owns each sprite it gets.
#pragma once

#include <memory>

#include "resources/Sprite.h"

namespace vt {

const int NAME_WIDTH = 47;
const int NAME_HEIGHT = 8;
const int EMBLEM_WIDTH = 11;
const int EMBLEM_HEIGHT = 7;
const int EMBLEM_REST_WIDTH = 9;
const int EMBLEM_REST_HEIGHT = 6;

/// "splash": the name, green; frame 0 is the lettering that slides in,
/// frame 1 the one it settles as.
std::unique_ptr<Sprite> makeNameSprite();

/// The emblem in flight, blue; frames 0 and 1 are its two wing positions.
std::unique_ptr<Sprite> makeEmblemSprite();

/// The emblem at rest, green, one frame.
std::unique_ptr<Sprite> makeEmblemRestSprite();

}  // namespace vt
