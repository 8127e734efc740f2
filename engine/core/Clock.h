// Microsecond stopwatch over the wall clock's minute, second and millisecond.
// Readings wrap every hour through 32-bit arithmetic, as do their differences.
#pragma once

#include <cstdint>

namespace vt {

class Clock {
 public:
  /// Starts the clock at the current time.
  Clock();

  /// Microseconds since the previous reading; the clock restarts from now.
  int delta();

  /// Microseconds since the previous reading; the clock keeps running.
  int split() const;

 private:
  std::int32_t previous_time;
};

}  // namespace vt
