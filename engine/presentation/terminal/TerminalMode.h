// The terminal taken over for a game and given back as it was. Taking it
// puts it in raw mode (keys come one by one, unechoed, Ctrl-C and Ctrl-Z
// included), switches to the alternate screen, hides the cursor, asks for
// mouse reports and for the kitty keyboard protocol's key releases, and
// sends standard error to the log, so that nothing is written over the
// picture. Giving it back undoes each of these. It is given back also when
// the program stops (Ctrl-Z, SIGTSTP), taken again when it continues, and
// given back before a fatal signal (or an exit that skips the engine's
// shut-down) ends the program as it would have. A resize or a continue asks
// for the whole picture again. One terminal per program: standard input and
// output. Internal to the terminal output.
#pragma once

#include <string>

namespace vt {

class TerminalMode {
 public:
  TerminalMode() = default;
  ~TerminalMode();
  TerminalMode(const TerminalMode&) = delete;
  TerminalMode& operator=(const TerminalMode&) = delete;

  /// Takes over the terminal on standard input and output, standard error
  /// going to log_fd meanwhile (unless it is below 0 or a terminal itself);
  /// empty on success, else why the terminal cannot be had.
  std::string enter(int log_fd);

  /// Gives the terminal back as it was; nothing when it was not taken.
  void leave();

  bool isActive() const;

  /// Whether the picture must be written whole because the terminal was
  /// resized or the program continued since the last call; after a stop,
  /// takes the terminal again first.
  bool takeRedraw();

  /// The terminal's size in cells; false when it cannot be told.
  bool getSize(int& columns, int& rows) const;

  /// Writes bytes to the terminal, all of them unless it fails.
  void write(const std::string& bytes) const;
};

/// Stops the program as a shell's Ctrl-Z would, the terminal given back
/// meanwhile.
void suspendProgram();

/// Asks the program to stop as a shell's Ctrl-C would.
void interruptProgram();

}  // namespace vt
