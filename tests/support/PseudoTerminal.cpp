#include "PseudoTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace vt_test {

PseudoTerminal::~PseudoTerminal() { close(); }

bool PseudoTerminal::open(int columns, int rows) {
  master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  const char* name =
      master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0 ? ptsname(master) : nullptr;
  terminal = name ? ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC) : -1;
  winsize size{static_cast<unsigned short>(rows), static_cast<unsigned short>(columns), 0, 0};
  if (terminal < 0 || ioctl(terminal, TIOCSWINSZ, &size) != 0) {
    close();
    return false;
  }
  std::fflush(stdout);
  saved_in = dup(STDIN_FILENO);
  saved_out = dup(STDOUT_FILENO);
  dup2(terminal, STDIN_FILENO);
  dup2(terminal, STDOUT_FILENO);
  stop = false;
  reader = std::thread([this] {
    char bytes[4096];
    pollfd ready{master, POLLIN, 0};
    while (!stop)
      if (poll(&ready, 1, 20) > 0) {
        ssize_t count = ::read(master, bytes, sizeof bytes);
        if (count <= 0) break;
        std::lock_guard<std::mutex> hold(lock);
        output.append(bytes, static_cast<std::size_t>(count));
      }
  });
  return true;
}

void PseudoTerminal::close() {
  if (saved_out >= 0) {
    std::fflush(stdout);
    dup2(saved_in, STDIN_FILENO);
    dup2(saved_out, STDOUT_FILENO);
    ::close(saved_in);
    ::close(saved_out);
    saved_in = saved_out = -1;
  }
  stop = true;
  if (reader.joinable()) reader.join();
  for (int* fd : {&terminal, &master})
    if (*fd >= 0) ::close(*fd), *fd = -1;
}

std::string PseudoTerminal::written() const {
  std::lock_guard<std::mutex> hold(lock);
  return output;
}

termios PseudoTerminal::mode() const {
  termios now{};
  tcgetattr(terminal, &now);
  return now;
}

}  // namespace vt_test
