#include "resources/Sprite.h"

#include <new>

#include "core/LogManager.h"

namespace vt {

Sprite::Sprite(int max_frames)
    : width(0),
      height(0),
      max_frame_count(0),
      frame_count(0),
      color(COLOR_DEFAULT),
      label("[Undefined]") {
  if (max_frames >= 0 && max_frames <= MAX_SPRITE_FRAMES)
    frame.reset(new (std::nothrow) Frame[max_frames]);
  if (!frame) {
    LogManager::getInstance().writeLog("Sprite::Sprite(): Unable to allocate %d frames.",
                                       max_frames);
    return;
  }
  max_frame_count = max_frames;
}

void Sprite::setWidth(int new_width) { width = new_width; }
int Sprite::getWidth() const { return width; }
void Sprite::setHeight(int new_height) { height = new_height; }
int Sprite::getHeight() const { return height; }
void Sprite::setColor(Color new_color) { color = new_color; }
Color Sprite::getColor() const { return color; }
int Sprite::getFrameCount() const { return frame_count; }
void Sprite::setLabel(std::string new_label) { label = std::move(new_label); }
std::string Sprite::getLabel() const { return label; }

int Sprite::addFrame(Frame new_frame) {
  if (frame_count == max_frame_count) return -1;
  frame[frame_count] = std::move(new_frame);
  frame_count++;
  return 0;
}

const Frame& Sprite::getFrame(int index) const {
  static const Frame none;
  if (index < 0 || index >= frame_count) return none;
  return frame[index];
}

}  // namespace vt
