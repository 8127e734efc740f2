#include "presentation/terminal/TerminalMode.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace vt {

namespace {

// The alternate screen, the cursor hidden, every mouse move and button in
// SGR reports, the kitty keyboard protocol's flags pushed (disambiguated
// keys, repeats and releases, every key as a sequence) and asked back; and
// the reverse, popped before the alternate screen is left, whose own stack
// the flags were pushed on.
const char TAKE[] = "\x1b[?1049h\x1b[?25l\x1b[?1003h\x1b[?1006h\x1b[>11u\x1b[?u";
const char GIVE_BACK[] = "\x1b[<u\x1b[?1006l\x1b[?1003l\x1b[0m\x1b[?25h\x1b[?1049l";

const int FATAL_SIGNALS[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGQUIT, SIGTRAP, SIGSYS};
const int OWN_SIGNALS[] = {SIGWINCH, SIGTSTP, SIGCONT};

// Shared with the signal handlers, which may only read and set these.
volatile std::sig_atomic_t taken = 0;       // the terminal is the game's
volatile std::sig_atomic_t given_back = 0;  // for a stop, until taken again
volatile std::sig_atomic_t resized = 0;
volatile std::sig_atomic_t continued = 0;
termios saved_mode, raw_mode;
int saved_stderr = -1;
struct sigaction previous[NSIG];

void writeAll(const char* bytes, std::size_t count) {
  while (count > 0) {
    ssize_t done = ::write(STDOUT_FILENO, bytes, count);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return;
    bytes += done;
    count -= static_cast<std::size_t>(done);
  }
}

// Async-signal-safe: writes and mode changes only.
void giveBack(int when) {
  writeAll(GIVE_BACK, sizeof GIVE_BACK - 1);
  tcsetattr(STDIN_FILENO, when, &saved_mode);
}

void takeAgain() {
  tcsetattr(STDIN_FILENO, TCSANOW, &raw_mode);
  writeAll(TAKE, sizeof TAKE - 1);
}

void restoreStandardError() {
  if (saved_stderr < 0) return;
  dup2(saved_stderr, STDERR_FILENO);
  ::close(saved_stderr);
  saved_stderr = -1;
}

void onResize(int) { resized = 1; }

void onContinue(int) { continued = 1; }

void onStop(int signal) {
  int saved_errno = errno;
  if (taken && !given_back) {
    giveBack(TCSANOW);
    given_back = 1;
  }
  // Stopped by the default action, which the handler stands in for.
  struct sigaction stop {
  }, own{};
  stop.sa_handler = SIG_DFL;
  sigaction(signal, &stop, &own);
  sigset_t unblock;
  sigemptyset(&unblock);
  sigaddset(&unblock, signal);
  pthread_sigmask(SIG_UNBLOCK, &unblock, nullptr);
  raise(signal);
  // Continued, in the foreground by now or stopped again by the attempt:
  // the game reads keys one by one again before anything else.
  sigaction(signal, &own, nullptr);
  if (given_back) {
    takeAgain();
    given_back = 0;
  }
  continued = 1;
  errno = saved_errno;
}

void onFatal(int signal) {
  if (taken && !given_back) giveBack(TCSANOW);
  taken = 0;
  restoreStandardError();
  // Ends as it would have: the handler before takes the signal again.
  sigaction(signal, &previous[signal], nullptr);
  raise(signal);
}

void atExit() {
  if (taken && !given_back) giveBack(TCSANOW);
  taken = 0;
}

void handle(int signal, void (*handler)(int), int flags) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = flags;
  sigaction(signal, &action, &previous[signal]);
}

}  // namespace

TerminalMode::~TerminalMode() { leave(); }

std::string TerminalMode::enter(int log_fd) {
  if (taken) return "the terminal is in use already";
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO))
    return "standard input and output are not both a terminal";
  if (tcgetattr(STDIN_FILENO, &saved_mode) != 0)
    return std::string("its mode cannot be read: ") + std::strerror(errno);
  raw_mode = saved_mode;
  cfmakeraw(&raw_mode);
  // Reads return at once with what there is.
  raw_mode.c_cc[VMIN] = 0;
  raw_mode.c_cc[VTIME] = 0;
  if (tcsetattr(STDIN_FILENO, TCSANOW, &raw_mode) != 0)
    return std::string("its mode cannot be set: ") + std::strerror(errno);
  static bool at_exit = std::atexit(atExit) == 0;
  (void)at_exit;
  resized = continued = given_back = 0;
  taken = 1;
  // Reads and writes go on after a resize or a stop.
  handle(SIGWINCH, onResize, SA_RESTART);
  handle(SIGTSTP, onStop, SA_RESTART);
  handle(SIGCONT, onContinue, SA_RESTART);
  // On the sanitizers' own stack, if they set one up, should the stack be
  // what overflowed.
  for (int signal : FATAL_SIGNALS) handle(signal, onFatal, SA_ONSTACK);
  if (log_fd >= 0 && !isatty(log_fd)) {
    saved_stderr = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (saved_stderr >= 0) dup2(log_fd, STDERR_FILENO);
  }
  writeAll(TAKE, sizeof TAKE - 1);
  return "";
}

void TerminalMode::leave() {
  if (!taken) return;
  for (int signal : OWN_SIGNALS) sigaction(signal, &previous[signal], nullptr);
  for (int signal : FATAL_SIGNALS) sigaction(signal, &previous[signal], nullptr);
  // Keys typed for the game are not left for the shell.
  giveBack(TCSAFLUSH);
  taken = 0;
  restoreStandardError();
}

bool TerminalMode::isActive() const { return taken; }

bool TerminalMode::takeRedraw() {
  if (!taken) return false;
  bool redraw = false;
  if (continued) {
    continued = 0;
    // Whoever had the terminal while the program was stopped may have
    // changed its mode.
    tcsetattr(STDIN_FILENO, TCSANOW, &raw_mode);
    redraw = true;
  }
  if (resized) {
    resized = 0;
    redraw = true;
  }
  return redraw;
}

bool TerminalMode::getSize(int& columns, int& rows) const {
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0 || size.ws_row == 0)
    return false;
  columns = size.ws_col;
  rows = size.ws_row;
  return true;
}

void TerminalMode::write(const std::string& bytes) const { writeAll(bytes.data(), bytes.size()); }

void suspendProgram() { raise(SIGTSTP); }

void interruptProgram() { raise(SIGINT); }

}  // namespace vt
