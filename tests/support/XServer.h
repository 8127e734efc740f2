// Driving a window from outside, as a user at the X server would.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vt_test {

/// Runs "xdotool <arguments>"; whether it succeeded.
bool xdotool(const std::string& arguments);

/// Gives a window the keyboard focus, as a window manager would.
bool focusWindow(unsigned long window);

/// Sends a window the request a window manager sends for its close button.
bool requestClose(unsigned long window);

/// What the X server shows of a window's width by height pixels, as
/// 0xRRGGBB row after row; empty when it cannot be read.
std::vector<std::uint32_t> windowPixels(unsigned long window, int width, int height);

}  // namespace vt_test
