#include "presentation/window/XPresenter.h"

#include <sys/ipc.h>
#include <sys/shm.h>

// Xlib's macros (None, Bool, Status...) clash with other headers: keep it alone here.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

namespace vt {

namespace {
// Errors on the presenter's own connection are noted, not fatal: Xlib's
// default handler would end the program when a window goes meanwhile.
::Display* p_noted_display = nullptr;
bool error_noted = false;
XErrorHandler previous_handler = nullptr;

int noteError(::Display* p_display, XErrorEvent* p_event) {
  if (p_display == p_noted_display) {
    error_noted = true;
    return 0;
  }
  return previous_handler ? previous_handler(p_display, p_event) : 0;
}
}  // namespace

struct XPresenter::State {
  ::Display* p_display = nullptr;
  ::Window window = 0;
  GC gc = nullptr;
  XImage* p_image = nullptr;
  XShmSegmentInfo shm{};
  bool attached = false;
};

XPresenter::XPresenter() : p_state(nullptr) {}

XPresenter::~XPresenter() { close(); }

bool XPresenter::open(unsigned long window, int width, int height) {
  close();
  if (width <= 0 || height <= 0) return false;
  ::Display* p_display = XOpenDisplay(nullptr);
  if (!p_display) return false;
  p_state = new State;
  p_state->p_display = p_display;
  p_state->window = window;
  if (!previous_handler) previous_handler = XSetErrorHandler(noteError);
  p_noted_display = p_display;
  error_noted = false;

  XWindowAttributes attributes;
  int major, minor;
  Bool pixmaps;
  if (!XShmQueryVersion(p_display, &major, &minor, &pixmaps) ||
      !XGetWindowAttributes(p_display, window, &attributes) ||
      attributes.visual->red_mask != 0xff0000 || attributes.visual->green_mask != 0xff00 ||
      attributes.visual->blue_mask != 0xff) {
    close();
    return false;
  }
  XImage* p_image = XShmCreateImage(p_display, attributes.visual,
                                    static_cast<unsigned>(attributes.depth), ZPixmap, nullptr,
                                    &p_state->shm, static_cast<unsigned>(width),
                                    static_cast<unsigned>(height));
  if (!p_image) {
    close();
    return false;
  }
  p_state->p_image = p_image;
  // The pixels are written as 32-bit words in this machine's order.
  std::uint32_t probe = 1;
  bool little = *reinterpret_cast<unsigned char*>(&probe) == 1;
  if (p_image->bits_per_pixel != 32 || (p_image->byte_order == LSBFirst) != little) {
    close();
    return false;
  }
  p_state->shm.shmid = shmget(IPC_PRIVATE, static_cast<std::size_t>(p_image->bytes_per_line) *
                                               static_cast<std::size_t>(height),
                              IPC_CREAT | 0600);
  if (p_state->shm.shmid < 0) {
    close();
    return false;
  }
  p_state->shm.shmaddr = p_image->data = static_cast<char*>(shmat(p_state->shm.shmid, nullptr, 0));
  // Freed by the system once both sides have let go, whatever ends the program.
  shmctl(p_state->shm.shmid, IPC_RMID, nullptr);
  if (p_state->shm.shmaddr == reinterpret_cast<char*>(-1)) {
    p_state->shm.shmaddr = p_image->data = nullptr;
    close();
    return false;
  }
  p_state->shm.readOnly = False;
  XShmAttach(p_display, &p_state->shm);
  XSync(p_display, False);
  p_state->attached = !error_noted;
  if (!p_state->attached) {
    close();
    return false;
  }
  p_state->gc = XCreateGC(p_display, window, 0, nullptr);
  XSelectInput(p_display, window, ExposureMask);
  return true;
}

void XPresenter::close() {
  if (!p_state) return;
  ::Display* p_display = p_state->p_display;
  if (p_state->attached) XShmDetach(p_display, &p_state->shm);
  if (p_state->gc) XFreeGC(p_display, p_state->gc);
  XSync(p_display, False);
  if (p_state->shm.shmaddr) shmdt(p_state->shm.shmaddr);
  if (p_state->p_image) {
    p_state->p_image->data = nullptr;
    XDestroyImage(p_state->p_image);
  }
  if (p_noted_display == p_display) p_noted_display = nullptr;
  XCloseDisplay(p_display);
  delete p_state;
  p_state = nullptr;
}

bool XPresenter::isOpen() const { return p_state != nullptr; }

std::uint32_t* XPresenter::getPixels() {
  return reinterpret_cast<std::uint32_t*>(p_state->p_image->data);
}

int XPresenter::getStride() const { return p_state->p_image->bytes_per_line / 4; }

bool XPresenter::put(const std::vector<PixelRect>& rects) {
  if (rects.empty()) return true;
  error_noted = false;
  for (const PixelRect& r : rects)
    XShmPutImage(p_state->p_display, p_state->window, p_state->gc, p_state->p_image, r.left, r.top,
                 r.left, r.top, static_cast<unsigned>(r.right - r.left),
                 static_cast<unsigned>(r.bottom - r.top), False);
  XSync(p_state->p_display, False);
  return !error_noted;
}

bool XPresenter::exposed() {
  bool found = false;
  XEvent event;
  while (XCheckTypedWindowEvent(p_state->p_display, p_state->window, Expose, &event)) found = true;
  return found;
}

}  // namespace vt
