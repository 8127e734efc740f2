// A pseudo-terminal standing in for the program's own: while open, it is
// standard input and output, of the size asked for, and everything written
// to it is read and kept, as a terminal would take it. Nothing checked may
// be printed meanwhile: the test's own output would go there too. Used by
// tests and benchmarks of the terminal output.
#pragma once

#include <termios.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace vt_test {

class PseudoTerminal {
 public:
  PseudoTerminal() = default;
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  /// Opens a columns by rows pseudo-terminal as standard input and output;
  /// false when none can be had.
  bool open(int columns, int rows);

  /// Gives standard input and output back and closes the pseudo-terminal.
  void close();

  /// Everything written to it so far.
  std::string written() const;

  /// Its mode as the program sees it.
  termios mode() const;

 private:
  int master = -1, terminal = -1, saved_in = -1, saved_out = -1;
  std::thread reader;
  std::atomic<bool> stop{false};
  mutable std::mutex lock;
  std::string output;
};

}  // namespace vt_test
