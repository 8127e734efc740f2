#include "core/Clock.h"

#include "core/ClockReading.h"
#include "core/Platform.h"

namespace vt {

namespace {
std::int32_t now() { return clockReading(getSystemTime()); }
}  // namespace

Clock::Clock() : previous_time(now()) {}

int Clock::delta() {
  std::int32_t current = now();
  std::int32_t difference = clockElapsed(previous_time, current);
  previous_time = current;
  return difference;
}

int Clock::split() const { return clockElapsed(previous_time, now()); }

std::int32_t clockReading(const SystemTime& time) {
  std::uint32_t micros =
      ((static_cast<std::uint32_t>(time.minute) * 60u + static_cast<std::uint32_t>(time.second)) *
           1000u +
       static_cast<std::uint32_t>(time.milliseconds)) *
      1000u;
  return static_cast<std::int32_t>(micros);
}

std::int32_t clockElapsed(std::int32_t earlier, std::int32_t later) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(later) -
                                   static_cast<std::uint32_t>(earlier));
}

}  // namespace vt
