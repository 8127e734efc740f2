// Microsecond stopwatch over the wall clock's minute, second and millisecond.
// Readings wrap every hour through 32-bit arithmetic, as do their differences.
#pragma once

#include <cstdint>

#include "core/Platform.h"

namespace vt {

class Clock {
 public:
  /// Starts the clock at the current time.
  Clock();

  /// Microseconds since the previous reading; the clock restarts from now.
  int delta();

  /// Microseconds since the previous reading; the clock keeps running.
  int split() const;

  /// Microseconds within the hour of a wall-clock time, wrapped to 32 bits.
  static std::int32_t reading(const SystemTime& time);

  /// Signed 32-bit difference later - earlier, modulo 2^32.
  static std::int32_t elapsed(std::int32_t earlier, std::int32_t later);

 private:
  std::int32_t previous_time;
};

}  // namespace vt
