// Driving a window from outside, as a user at the X server would.
#pragma once

#include <string>

namespace vt_test {

/// Runs "xdotool <arguments>"; whether it succeeded.
bool xdotool(const std::string& arguments);

/// Gives a window the keyboard focus, as a window manager would.
bool focusWindow(unsigned long window);

/// Sends a window the request a window manager sends for its close button.
bool requestClose(unsigned long window);

}  // namespace vt_test
