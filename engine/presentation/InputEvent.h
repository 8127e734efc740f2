// What an output's input reports between two frames, the same for every
// output: a key went down or up (by its KeyCode), the pointer moved, a
// button went down (LEFT 0, RIGHT 1, MIDDLE 2), the output was resized or
// asked to close. Positions are in pixels of the picture.
#pragma once

namespace vt {

/// A point in pixels.
struct Pixel {
  int x = 0;
  int y = 0;
};

struct InputEvent {
  enum Type {
    OTHER,
    CLOSED,
    KEY_PRESSED,
    KEY_RELEASED,
    MOUSE_MOVED,
    MOUSE_CLICKED,
    RESIZED,
  };
  Type type = OTHER;
  int code = 0;     ///< the key or the button
  Pixel position;   ///< the pointer; for RESIZED the new width and height
};

}  // namespace vt
