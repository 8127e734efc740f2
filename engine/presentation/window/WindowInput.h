// The window's input: the events SFML queues for the window, and the keys,
// the buttons and the pointer read once per frame from the X server in one
// request each (built without X11, through SFML, a request per key asked
// about). Internal to the window output.
#pragma once

#include <memory>

#include "presentation/InputSource.h"
#include "presentation/KeyCode.h"

namespace sf {
class RenderWindow;
}

namespace vt {

class XInputState;

class WindowInput : public InputSource {
 public:
  /// Reads the window in *pp_window, whenever there is one.
  explicit WindowInput(const std::unique_ptr<sf::RenderWindow>* pp_window);
  ~WindowInput() override;

  bool hasWindow() const override;
  bool setKeyRepeat(bool on) override;
  void refresh() override;
  bool pollEvent(InputEvent& event) override;
  bool isKeyPressed(int code) const override;
  bool isButtonPressed(int button) const override;
  Pixel getMousePosition() const override;

 private:
  const std::unique_ptr<sf::RenderWindow>* pp_window;
#if VANTLE_X11
  std::unique_ptr<XInputState> p_state;  // made at the first refresh with a window
#else
  bool buttons[KeyCode::MOUSE_BUTTON_COUNT] = {};
  Pixel pointer;
#endif
};

}  // namespace vt
