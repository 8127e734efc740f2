// A labelled sequence of equally sized frames drawn in one colour.
#pragma once

#include <memory>
#include <string>

#include "presentation/Color.h"
#include "resources/Frame.h"

namespace vt {

/// The most frames a sprite makes room for. A larger capacity is refused
/// like one that cannot be allocated: the array of empty frames alone
/// would take gigabytes, where a sanitizer or the system aborts the program
/// instead of failing the allocation.
const int MAX_SPRITE_FRAMES = 1 << 20;

class Sprite {
 public:
  /// Room for max_frames frames; none when they cannot be allocated or
  /// exceed MAX_SPRITE_FRAMES.
  explicit Sprite(int max_frames);
  Sprite(const Sprite&) = delete;
  Sprite& operator=(const Sprite&) = delete;

  void setWidth(int new_width);
  int getWidth() const;
  void setHeight(int new_height);
  int getHeight() const;
  void setColor(Color new_color);
  Color getColor() const;
  int getFrameCount() const;
  void setLabel(std::string new_label);
  std::string getLabel() const;

  /// Appends a frame; -1 when the sprite is full.
  int addFrame(Frame new_frame);

  /// The frame at index, or an empty frame outside 0 to frame count - 1.
  const Frame& getFrame(int index) const;

 private:
  int width;
  int height;
  int max_frame_count;
  int frame_count;
  Color color;
  std::unique_ptr<Frame[]> frame;
  std::string label;
};

}  // namespace vt
