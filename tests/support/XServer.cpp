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

bool requestClose(unsigned long window) {
  Connection x = connect();
  if (!x) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(x.get(), "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(x.get(), "WM_DELETE_WINDOW", False));
  Status sent = XSendEvent(x.get(), window, False, NoEventMask, &event);
  XSync(x.get(), False);
  return sent != 0;
}

}  // namespace vt_test
