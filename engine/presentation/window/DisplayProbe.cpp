// The display probe of builds without Xlib: a child process asks SFML for
// the desktop, which ends that child, not the program, when the display
// named by DISPLAY cannot be opened. Nothing is held open afterwards. Once
// the display opened, SFML keeps its own connection for the program's life
// and a child would share it: a display seen once is taken as there.
#include <sys/wait.h>
#include <unistd.h>

#include <SFML/Window/VideoMode.hpp>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "presentation/window/Display.h"

namespace vt {

namespace {
const int CONNECT_ATTEMPTS = 3;
const std::chrono::milliseconds RETRY_PAUSE(20);

bool displayOpens() {
  static bool seen = false;
  if (seen) return true;
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) return false;
  pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    // SFML's complaint is the program's own to make, in its log.
    close(STDERR_FILENO);
    sf::VideoMode::getDesktopMode();
    _exit(0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return false;
  seen = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return seen;
}

int opened;  // what a connection that could be had points at
}  // namespace

DisplayConnection::DisplayConnection() : p_display(nullptr) {
  for (int attempt = 0; attempt < CONNECT_ATTEMPTS && !p_display; attempt++) {
    if (attempt > 0) std::this_thread::sleep_for(RETRY_PAUSE);
    if (displayOpens()) p_display = &opened;
  }
}

DisplayConnection::~DisplayConnection() = default;

bool DisplayConnection::isOpen() const { return p_display != nullptr; }

bool canOpenDisplay() { return DisplayConnection().isOpen(); }

}  // namespace vt
