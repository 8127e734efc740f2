// One picture of a sprite: a width by height block of characters stored row
// after row. An empty frame marks the absence of a picture.
#pragma once

#include <string>

namespace vt {

class Frame {
 public:
  Frame();
  Frame(int new_width, int new_height, std::string new_frame_str);

  int getWidth() const;
  int getHeight() const;
  const std::string& getString() const;

 private:
  int width;
  int height;
  std::string frame_str;
};

}  // namespace vt
