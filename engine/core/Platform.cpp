#include "core/Platform.h"

#include <sys/time.h>

#include <cerrno>
#include <ctime>

namespace vt {

unsigned timeBeginPeriod(unsigned milliseconds) {
  return milliseconds == 0 ? TIMER_CANNOT_ACCEPT : 0;
}

unsigned timeEndPeriod(unsigned milliseconds) {
  return milliseconds == 0 ? TIMER_CANNOT_ACCEPT : 0;
}

void sleepMilliseconds(int milliseconds) {
  if (milliseconds <= 0) return;
  timespec wait{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
  // Resume after signals so the whole interval is slept.
  while (nanosleep(&wait, &wait) == -1 && errno == EINTR) {
  }
}

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

}  // namespace vt
