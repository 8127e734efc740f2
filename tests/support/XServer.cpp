#include "XServer.h"

#include <cstdlib>
#include <memory>

// Xlib's macros (None, Bool, Status...) clash with other headers: keep it alone here.
#include <X11/Xlib.h>

namespace vt_test {

namespace {
// A connection of its own, so that nothing is mixed into SFML's.
using Connection = std::unique_ptr<Display, int (*)(Display*)>;
Connection connect() { return Connection(XOpenDisplay(nullptr), XCloseDisplay); }
}  // namespace

bool xdotool(const std::string& arguments) {
  return std::system(("xdotool " + arguments + " >/dev/null 2>&1").c_str()) == 0;
}

bool focusWindow(unsigned long window) {
  Connection x = connect();
  if (!x) return false;
  XSetInputFocus(x.get(), window, RevertToParent, CurrentTime);
  ::Window focus = 0;
  int revert = 0;
  XGetInputFocus(x.get(), &focus, &revert);
  return focus == window;
}

}  // namespace vt_test
