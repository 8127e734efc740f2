// Turns the bytes a terminal sends into keys and mouse reports: plain and
// control characters, the escape sequences of cursor, editing and function
// keys (as xterm, the Linux console and rxvt send them), Alt as a leading
// Escape, the kitty keyboard protocol's reports (with key repeats and
// releases) and its answer to a query, and SGR mouse reports. A sequence cut
// between two reads is kept until the rest comes. Internal to the terminal
// output.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vt {

struct TerminalEvent {
  enum Kind {
    KEY_PRESS,
    KEY_REPEAT,
    KEY_RELEASE,
    MOUSE_PRESS,
    MOUSE_RELEASE,
    MOUSE_MOVE,
    KEYBOARD_FLAGS,  ///< the terminal's answer to the keyboard protocol query
  };
  /// Modifier bits, as terminals number them.
  enum Modifier { SHIFT = 1, ALT = 2, CONTROL = 4 };

  Kind kind = KEY_PRESS;
  int code = 0;       ///< a KeyCode; a mouse button (LEFT 0, RIGHT 1, MIDDLE 2); the flags
  int modifiers = 0;  ///< Modifier bits
  int column = 0;     ///< mouse: the terminal's cell, from 0
  int row = 0;

  bool operator==(const TerminalEvent& other) const;
};

class KeyDecoder {
 public:
  /// Decodes bytes after whatever an earlier call left unfinished, adding
  /// what they complete to events.
  void feed(const char* bytes, std::size_t count, std::vector<TerminalEvent>& events);

  /// Takes what is left unfinished as it stands, when nothing more came: a
  /// lone Escape is the Escape key; a cut sequence is dropped.
  void flush(std::vector<TerminalEvent>& events);

  /// Whether bytes wait for the rest of their sequence.
  bool hasPending() const;

 private:
  /// Decodes one key or report from the start of pending; the bytes it
  /// took, 0 when the sequence is not complete yet.
  std::size_t decodeOne(std::vector<TerminalEvent>& events, bool at_end);

  std::string pending;
};

}  // namespace vt
