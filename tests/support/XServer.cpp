#include "XServer.h"

#include <cstdlib>
#include <memory>

// Xlib's macros (None, Bool, Status...) clash with other headers: keep it alone here.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

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

std::vector<std::uint32_t> windowPixels(unsigned long window, int width, int height) {
  Connection x = connect();
  std::vector<std::uint32_t> pixels;
  if (!x) return pixels;
  // A window not (or no longer) on the screen is an error to note, not to die of.
  XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  XImage* p_image = XGetImage(x.get(), window, 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
  XSync(x.get(), False);
  XSetErrorHandler(previous);
  if (!p_image) return pixels;
  for (int y = 0; y < height; y++)
    for (int x_ = 0; x_ < width; x_++)
      pixels.push_back(static_cast<std::uint32_t>(XGetPixel(p_image, x_, y)) & 0xffffff);
  XDestroyImage(p_image);
  return pixels;
}

}  // namespace vt_test
