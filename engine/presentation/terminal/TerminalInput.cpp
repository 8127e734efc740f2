#include "presentation/terminal/TerminalInput.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>

#include "presentation/terminal/TerminalMode.h"

namespace vt {

namespace {
// A frame reads at most this much; the rest waits for the next.
const std::size_t MAX_READ = 64 * 1024;
const int KEY_C = KeyCode::A + 2;
}  // namespace

TerminalInput::TerminalInput()
    : reading(false), buttons{}, left(0), top(0), cell_width(1), cell_height(1) {}

void TerminalInput::setReading(bool on) {
  reading = on;
  queue.clear();
}

void TerminalInput::place(int new_left, int new_top, double new_cell_width,
                          double new_cell_height) {
  left = new_left;
  top = new_top;
  cell_width = new_cell_width;
  cell_height = new_cell_height;
}

bool TerminalInput::hasWindow() const { return reading; }

bool TerminalInput::setKeyRepeat(bool on) {
  (void)on;
  return reading;
}

void TerminalInput::refresh() {
  if (!reading) return;
  HeldKeys::Time now = std::chrono::steady_clock::now();
  char bytes[4096];
  std::size_t total = 0;
  // Asked first, should the terminal's mode have been changed to one
  // whose reads wait.
  pollfd ready{STDIN_FILENO, POLLIN, 0};
  while (total < MAX_READ && poll(&ready, 1, 0) > 0) {
    ssize_t count = ::read(STDIN_FILENO, bytes, sizeof bytes);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    total += static_cast<std::size_t>(count);
    take(bytes, static_cast<std::size_t>(count), now);
  }
  // A sequence still cut a frame later is all there is: a lone Escape.
  if (total == 0 && decoder.hasPending()) {
    std::vector<TerminalEvent> events;
    decoder.flush(events);
    for (const TerminalEvent& event : events) report(event, now);
  }
  take(nullptr, 0, now);
}

void TerminalInput::take(const char* bytes, std::size_t count, HeldKeys::Time now) {
  std::vector<TerminalEvent> events;
  if (count > 0) decoder.feed(bytes, count, events);
  for (const TerminalEvent& event : events) report(event, now);
  std::vector<int> released;
  held.expire(now, released);
  for (int code : released) queue.push_back({InputEvent::KEY_RELEASED, code, mouse});
  last_refresh = now;
}

void TerminalInput::report(const TerminalEvent& event, HeldKeys::Time now) {
  switch (event.kind) {
    case TerminalEvent::KEY_PRESS:
    case TerminalEvent::KEY_REPEAT:
      // The terminal no longer stops or suspends the program by itself.
      if (event.modifiers & TerminalEvent::CONTROL && event.code == KEY_C)
        return interruptProgram();
      if (event.modifiers & TerminalEvent::CONTROL && event.code == KeyCode::Z)
        return suspendProgram();
      if (held.press(event.code, now))
        queue.push_back({InputEvent::KEY_PRESSED, event.code, mouse});
      break;
    case TerminalEvent::KEY_RELEASE:
      // Only a terminal that reports releases sends them.
      held.setReleaseReports(true);
      if (held.release(event.code)) queue.push_back({InputEvent::KEY_RELEASED, event.code, mouse});
      break;
    case TerminalEvent::KEYBOARD_FLAGS:
      held.setReleaseReports((event.code & 2) != 0);
      break;
    case TerminalEvent::MOUSE_MOVE:
      mouse = toPixel(event.column, event.row);
      queue.push_back({InputEvent::MOUSE_MOVED, 0, mouse});
      break;
    case TerminalEvent::MOUSE_PRESS:
      mouse = toPixel(event.column, event.row);
      buttons[event.code] = true;
      queue.push_back({InputEvent::MOUSE_CLICKED, event.code, mouse});
      break;
    case TerminalEvent::MOUSE_RELEASE:
      mouse = toPixel(event.column, event.row);
      buttons[event.code] = false;
      break;
  }
}

Pixel TerminalInput::toPixel(int column, int row) const {
  // The cell's corner, rounded up so that converting it back to cells
  // gives the cell itself.
  auto corner = [](int cell, double size) {
    return static_cast<int>(std::ceil(static_cast<double>(cell) * size - 1e-6));
  };
  return Pixel{corner(column - left, cell_width), corner(row - top, cell_height)};
}

bool TerminalInput::pollEvent(InputEvent& event) {
  if (queue.empty()) return false;
  event = queue.front();
  queue.pop_front();
  return true;
}

bool TerminalInput::isKeyPressed(int code) const { return held.isDown(code, last_refresh); }

bool TerminalInput::isButtonPressed(int button) const {
  return button >= 0 && button < KeyCode::MOUSE_BUTTON_COUNT && buttons[button];
}

Pixel TerminalInput::getMousePosition() const { return mouse; }

}  // namespace vt
