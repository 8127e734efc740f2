// The keyboard and the pointer as the X server holds them, read with one
// request for every key and one for the pointer and its buttons, instead of
// a request for each key and button asked about. Internal to the engine and
// its tests; not part of vantle.h.
#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

namespace vt {

class XInputState {
 public:
  /// Connects to the display named by DISPLAY, if it can.
  XInputState();
  ~XInputState();
  XInputState(const XInputState&) = delete;
  XInputState& operator=(const XInputState&) = delete;

  /// Reads the keys, the buttons and the pointer's place in the X window
  /// with that id; false, with everything up, when there is no display.
  bool read(unsigned long window);

  /// As of the last read.
  bool isKeyDown(sf::Keyboard::Key key) const;
  bool isButtonDown(sf::Mouse::Button button) const;
  sf::Vector2i getPointer() const;

 private:
  void* p_display;  // Xlib's Display, kept opaque so that Xlib's macros stay out
  unsigned char keycodes[sf::Keyboard::KeyCount];
  char keys[32];
  unsigned buttons;
  sf::Vector2i pointer;
};

}  // namespace vt
