// Where the input manager reads an output's input from. Each output brings
// its own (the window's reads the window, the terminal's the terminal); a
// program or test may hand the input manager a source of its own
// (InputManager::setInputSource), for example scripted events without any
// keyboard or display. This base reads nothing: no output to read.
#pragma once

#include "presentation/InputEvent.h"

namespace vt {

class InputSource {
 public:
  InputSource() = default;
  virtual ~InputSource() = default;
  InputSource(const InputSource&) = delete;
  InputSource& operator=(const InputSource&) = delete;

  /// Whether there is an output to read; without one the input manager
  /// dispatches nothing.
  virtual bool hasWindow() const { return false; }

  /// Turns the output's key repeat on or off; false when there is no
  /// output to tell.
  virtual bool setKeyRepeat(bool on) {
    (void)on;
    return false;
  }

  /// Takes the state of the keys, the buttons and the pointer that the
  /// calls below answer from; called once per frame before them.
  virtual void refresh() {}

  /// Takes the next event queued since the last frame; false when none is.
  virtual bool pollEvent(InputEvent& event) {
    (void)event;
    return false;
  }

  /// Whether the key (a KeyCode) was down at the last refresh.
  virtual bool isKeyPressed(int code) const {
    (void)code;
    return false;
  }

  /// Whether the mouse button was down at the last refresh.
  virtual bool isButtonPressed(int button) const {
    (void)button;
    return false;
  }

  /// The pointer's position in pixels of the picture at the last refresh.
  virtual Pixel getMousePosition() const { return Pixel(); }
};

}  // namespace vt
