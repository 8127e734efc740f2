#include "core/Clock.h"

namespace vt {

namespace {
std::int32_t now() { return Clock::reading(getSystemTime()); }
}  // namespace

Clock::Clock() : previous_time(now()) {}

int Clock::delta() {
  std::int32_t current = now();
  std::int32_t difference = elapsed(previous_time, current);
  previous_time = current;
  return difference;
}

int Clock::split() const { return elapsed(previous_time, now()); }

std::int32_t Clock::reading(const SystemTime& time) {
  std::uint32_t micros =
      ((static_cast<std::uint32_t>(time.minute) * 60u + static_cast<std::uint32_t>(time.second)) *
           1000u +
       static_cast<std::uint32_t>(time.milliseconds)) *
      1000u;
  return static_cast<std::int32_t>(micros);
}

std::int32_t Clock::elapsed(std::int32_t earlier, std::int32_t later) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(later) -
                                   static_cast<std::uint32_t>(earlier));
}

}  // namespace vt
