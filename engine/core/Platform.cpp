#include "core/Platform.h"

#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <initializer_list>

namespace vt {

unsigned timeBeginPeriod(unsigned milliseconds) {
  return milliseconds == 0 ? TIMER_CANNOT_ACCEPT : 0;
}

unsigned timeEndPeriod(unsigned milliseconds) {
  return milliseconds == 0 ? TIMER_CANNOT_ACCEPT : 0;
}

namespace {
volatile std::sig_atomic_t stop_signal = 0;

void noteStop(int signal) {
  // The first asks for an orderly stop; the handler is then the default
  // again, so a second ends the program at once.
  stop_signal = signal;
}
}  // namespace

void sleepMilliseconds(int milliseconds) {
  if (milliseconds <= 0) return;
  timespec wait{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  // Other signals resume the sleep, so that the whole interval is slept.
  while (nanosleep(&wait, &wait) == -1 && errno == EINTR && stop_signal == 0) {
  }
}

void catchStopSignals() {
  struct sigaction action {};
  action.sa_handler = noteStop;
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction inherited {};
    // Whoever started the program asked for it to outlive that signal.
    if (sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN) continue;
    sigaction(signal, &action, nullptr);
  }
}

int getStopSignal() { return stop_signal; }

SystemTime getSystemTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm utc{};
  gmtime_r(&now.tv_sec, &utc);
  SystemTime t;
  t.minute = utc.tm_min;
  t.second = utc.tm_sec;
  t.milliseconds = static_cast<int>(now.tv_nsec / 1000000L);
  return t;
}

std::string getProgramName() {
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  std::string name = length > 0 ? std::string(path, static_cast<std::size_t>(length)) : "";
  name = name.substr(name.find_last_of('/') + 1);
  return name.empty() ? "vantle" : name;
}

std::string getUserFolder(const char* variable, const char* home_below) {
  const char* folder = std::getenv(variable);
  if (folder && *folder == '/') return folder;  // a relative one is ignored, as the XDG rules say
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/" + home_below;
  return "";
}

std::string getStateFolder() {
  std::string folder = getUserFolder("XDG_STATE_HOME", ".local/state");
  return folder.empty() ? "" : folder + "/" + getProgramName();
}

}  // namespace vt
