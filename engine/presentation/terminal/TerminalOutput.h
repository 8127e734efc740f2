// The terminal output: presents the screen of cells in the terminal the
// program runs in (a terminal window, a tmux pane, an SSH session), with no
// display or window at all. Each frame writes only the cells that changed,
// in one write, the picture centred in the terminal; a terminal too small
// for it shows one line saying the size needed until it is resized. Colours
// are 24-bit where COLORTERM says the terminal takes them ("truecolor" or
// "24bit"), else the 8 standard colours.
#pragma once

#include <string>
#include <vector>

#include "presentation/Output.h"
#include "presentation/terminal/CellWriter.h"
#include "presentation/terminal/TerminalInput.h"
#include "presentation/terminal/TerminalMode.h"

namespace vt {

class TerminalOutput : public Output {
 public:
  TerminalOutput();
  ~TerminalOutput() override;

  /// Takes over the terminal; false, with why logged, when standard input
  /// and output are not a terminal.
  bool open() override;
  /// Gives the terminal back as it was.
  void close() override;
  bool isOpen() const override;
  void present(const Screen& frame) override;
  InputSource& getInput() override;

 private:
  TerminalMode mode;
  TerminalInput input;
  CellWriter writer;
  std::vector<TermCell> cells;
  int columns, rows;   // the terminal's size, 0 when unknown
  bool message_shown;  // the terminal is too small, and says so
  Color background;
  float cell_width, cell_height;  // of the picture, in pixels
};

}  // namespace vt
