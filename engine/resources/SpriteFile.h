// The sprite file format: four header lines (frames, width, height and
// color, each a keyword, one separating character and the value), then each
// frame as height lines of exactly width characters closed by "end", and
// "eof" after the last frame. A carriage return ending a line is ignored.
#pragma once

#include <istream>
#include <memory>
#include <string>

#include "resources/Sprite.h"

namespace vt {

/// Reads a whole sprite file; the sprite without a label, or null after
/// logging the line and the reason the file was refused. An unknown colour
/// name is reported and drawn white. A filename, when given, is named in a
/// line after the messages about the file, with what became of it.
std::unique_ptr<Sprite> readSpriteFile(std::istream& file, const std::string& filename = "");

}  // namespace vt
