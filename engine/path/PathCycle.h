// A path manager cycle timed by a stopwatch of the caller's instead of the
// clock, so that a budget can be spent at will. Internal to the engine and
// its tests; not part of vantle.h.
#pragma once

#include <functional>

#include "path/PathManager.h"

namespace vt {

/// Runs manager's cycle, taking split() as the microseconds since it began.
void cycleTimed(PathManager& manager, const std::function<int()>& split);

}  // namespace vt
