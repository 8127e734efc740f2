// What a display connection says of itself, with Xlib or without.
#include <cstdlib>
#include <string>

#include "presentation/window/Display.h"

namespace vt {

bool DisplayConnection::isOpen() const { return p_display != nullptr; }

std::string DisplayConnection::problem() const {
  if (p_display) return "";
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) return "DISPLAY is not set";
  return "the display '" + std::string(name) + "' could not be opened";
}

bool canOpenDisplay() { return DisplayConnection().isOpen(); }

}  // namespace vt
