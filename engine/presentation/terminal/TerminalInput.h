// The terminal's input: the bytes typed since the last frame, read once
// per frame from standard input, decoded into key presses and releases
// (held keys as HeldKeys tells them) and mouse clicks and moves, the mouse
// in pixels of the picture at the cell it points at. Ctrl-C asks the program
// to stop and Ctrl-Z stops it, as in a shell. Internal to the terminal
// output.
#pragma once

#include <deque>

#include "presentation/InputSource.h"
#include "presentation/KeyCode.h"
#include "presentation/terminal/HeldKeys.h"
#include "presentation/terminal/KeyDecoder.h"

namespace vt {

class TerminalInput : public InputSource {
 public:
  TerminalInput();

  /// Reads standard input (true) or nothing (false).
  void setReading(bool on);

  /// Where the picture stands in the terminal, its top-left cell at
  /// column left, row top, and the size of its cells in pixels.
  void place(int left, int top, double cell_width, double cell_height);

  /// Decodes bytes as if the terminal had sent them at now, queueing what
  /// they report; refresh reads the terminal into this.
  void take(const char* bytes, std::size_t count, HeldKeys::Time now);

  bool hasWindow() const override;
  /// Held keys come from the terminal's repeats or releases whatever this
  /// asks: true while reading.
  bool setKeyRepeat(bool on) override;
  void refresh() override;
  bool pollEvent(InputEvent& event) override;
  bool isKeyPressed(int code) const override;
  bool isButtonPressed(int button) const override;
  Pixel getMousePosition() const override;

 private:
  /// Queues what one decoded event reports.
  void report(const TerminalEvent& event, HeldKeys::Time now);
  /// A terminal cell as a pixel of the picture.
  Pixel toPixel(int column, int row) const;

  bool reading;
  KeyDecoder decoder;
  HeldKeys held;
  HeldKeys::Time last_refresh;
  std::deque<InputEvent> queue;
  bool buttons[KeyCode::MOUSE_BUTTON_COUNT];
  Pixel mouse;
  int left, top;
  double cell_width, cell_height;
};

}  // namespace vt
