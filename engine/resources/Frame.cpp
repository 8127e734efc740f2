#include "resources/Frame.h"

namespace vt {

Frame::Frame() : width(0), height(0) {}

Frame::Frame(int new_width, int new_height, std::string new_frame_str)
    : width(new_width), height(new_height), frame_str(std::move(new_frame_str)) {}

int Frame::getWidth() const { return width; }
int Frame::getHeight() const { return height; }
const std::string& Frame::getString() const { return frame_str; }

}  // namespace vt
