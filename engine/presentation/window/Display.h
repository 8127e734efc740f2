// A connection to the X display named by DISPLAY. SFML ends the whole
// process when it cannot open a display, so the graphics manager opens one
// first and holds it while SFML opens its own: an X server left without
// clients resets, and refuses connections while it does. Built without
// Xlib, the probe asks the X server itself whether it takes a client, and
// nothing is held.
#pragma once

#include <string>

namespace vt {

class DisplayConnection {
 public:
  /// Connects, trying again briefly in case the server is just resetting.
  DisplayConnection();
  ~DisplayConnection();
  DisplayConnection(const DisplayConnection&) = delete;
  DisplayConnection& operator=(const DisplayConnection&) = delete;

  bool isOpen() const;

  /// Why no connection could be made, for the player: "DISPLAY is not set"
  /// or "the display ':5' could not be opened"; empty when it is open.
  std::string problem() const;

 private:
  void* p_display;  // Xlib's Display, kept opaque so that Xlib's macros stay out
};

/// Whether the display named by DISPLAY can be opened now.
bool canOpenDisplay();

}  // namespace vt
