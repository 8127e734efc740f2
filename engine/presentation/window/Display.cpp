#include "presentation/window/Display.h"

#include <chrono>
#include <thread>

// Xlib's macros (None, Bool, Status...) clash with other headers: keep it alone here.
#include <X11/Xlib.h>

namespace vt {

namespace {
const int CONNECT_ATTEMPTS = 3;
const std::chrono::milliseconds RETRY_PAUSE(20);
}  // namespace

DisplayConnection::DisplayConnection() : p_display(nullptr) {
  for (int attempt = 0; attempt < CONNECT_ATTEMPTS && !p_display; attempt++) {
    if (attempt > 0) std::this_thread::sleep_for(RETRY_PAUSE);
    p_display = XOpenDisplay(nullptr);
  }
}

DisplayConnection::~DisplayConnection() {
  if (p_display) XCloseDisplay(static_cast<::Display*>(p_display));
}

}  // namespace vt
