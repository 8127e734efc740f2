// The web page's input: keys pressed and released anywhere on the page (by
// their physical names, so real releases, not repeats), the pointer and
// the buttons over the canvas in pixels of the picture. The browser hands
// each event over between frames; the input keeps them until the frame
// reads them. When the page loses the focus every held key and button is
// let go, as the browser says nothing more about them. Internal to the web
// output.
#pragma once

#include <bitset>
#include <deque>

#include "presentation/InputSource.h"
#include "presentation/KeyCode.h"

namespace vt {

class WebInput : public InputSource {
 public:
  WebInput();
  ~WebInput() override;

  /// Starts taking the page's events: keys from the whole page, the pointer
  /// from the canvas (selector), whose picture is width by height pixels.
  void listen(const char* canvas, int width, int height);

  /// Stops taking them and forgets what was held.
  void stop();

  bool hasWindow() const override;
  bool setKeyRepeat(bool on) override;
  void refresh() override;
  bool pollEvent(InputEvent& event) override;
  bool isKeyPressed(int code) const override;
  bool isButtonPressed(int button) const override;
  Pixel getMousePosition() const override;

  /// A key went down (or repeats, while held) or up; whether the page
  /// should leave the key to the engine alone.
  bool takeKey(int code, bool down, bool repeat);
  /// A button went down or up, or the pointer moved, at a pixel of the
  /// picture; button -1 for a move.
  void takePointer(int button, bool down, Pixel at);
  /// The page lost the focus: nothing stays held.
  void releaseAll();
  /// A point of the canvas, in pixels of the page, as a pixel of the picture.
  Pixel fromCanvas(double x, double y) const;

  /// The most events kept between two frames; the oldest go first.
  static const std::size_t MAX_QUEUED = 1024;

 private:
  void queue(const InputEvent& event);

  const char* canvas;
  int picture_width, picture_height;
  bool listening;
  bool key_repeat;
  std::deque<InputEvent> events;
  std::bitset<KeyCode::COUNT> keys_down, keys_seen;
  std::bitset<KeyCode::MOUSE_BUTTON_COUNT> buttons_down, buttons_seen;
  Pixel pointer, pointer_seen;
};

}  // namespace vt
