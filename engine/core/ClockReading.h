// The clock's arithmetic apart from the system clock: readings are
// microseconds within the hour, and both readings and their differences wrap
// through 32 bits. Internal to the engine and its tests; not part of vantle.h.
#pragma once

#include <cstdint>

#include "core/Platform.h"

namespace vt {

/// Microseconds within the hour of a wall-clock time, wrapped to 32 bits.
std::int32_t clockReading(const SystemTime& time);

/// Signed 32-bit difference later - earlier, modulo 2^32.
std::int32_t clockElapsed(std::int32_t earlier, std::int32_t later);

}  // namespace vt
