#include "presentation/terminal/TerminalOutput.h"

#include <cstdlib>
#include <cstring>

#include "core/Config.h"
#include "core/LogManager.h"
#include "presentation/GraphicsManager.h"

namespace vt {

TerminalOutput::TerminalOutput()
    : columns(0),
      rows(0),
      message_shown(false),
      background(BLACK),
      cell_width(1),
      cell_height(1) {}

TerminalOutput::~TerminalOutput() { close(); }

bool TerminalOutput::open() {
  LogManager& log = LogManager::getInstance();
  std::string reason = mode.enter(log.getFileDescriptor());
  if (!reason.empty()) {
    log.writeLog("TerminalOutput::open(): Unable to draw in the terminal: %s.", reason.c_str());
    return false;
  }
  const char* color_term = std::getenv("COLORTERM");
  bool true_color = color_term && (std::strcmp(color_term, "truecolor") == 0 ||
                                   std::strcmp(color_term, "24bit") == 0);
  writer.setTrueColor(true_color);
  background = Config::getInstance().getWindowBackgroundColor();
  writer.setBackground(colorRGB(background));
  cell_width = charWidth();
  cell_height = charHeight();
  input.setReading(true);
  columns = rows = 0;
  message_shown = false;
  log.writeLog(1, "TerminalOutput::open(): Drawing in the terminal in %s colours.",
               true_color ? "24-bit" : "8");
  return true;
}

void TerminalOutput::close() {
  input.setReading(false);
  mode.leave();
}

bool TerminalOutput::isOpen() const { return mode.isActive(); }

InputSource& TerminalOutput::getInput() { return input; }

void TerminalOutput::present(const Screen& frame) {
  if (!mode.isActive()) return;
  int width = frame.getWidth(), height = frame.getHeight();
  if (mode.takeRedraw() || columns == 0) {
    // Without a size the terminal is taken to fit the picture.
    if (!mode.getSize(columns, rows)) columns = width, rows = height;
    writer.invalidate();
    message_shown = false;
  }
  std::string bytes;
  if (columns < width || rows < height) {
    if (!message_shown)
      writer.message("Please enlarge the terminal to " + std::to_string(width) + " x " +
                         std::to_string(height) + " (now " + std::to_string(columns) + " x " +
                         std::to_string(rows) + ").",
                     columns, bytes);
    message_shown = true;
  } else {
    message_shown = false;
    int left = (columns - width) / 2, top = (rows - height) / 2;
    input.place(left, top, cell_width, cell_height);
    composeCells(frame, cell_width, cell_height, background, cells);
    writer.write(cells, width, height, left, top, bytes);
  }
  if (!bytes.empty()) mode.write(bytes);
}

}  // namespace vt
