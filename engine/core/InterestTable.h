// A manager's interest table, read-only, for checks that every object it
// holds is still in the world. Internal to the engine and its tests; not
// part of vantle.h.
#pragma once

#include <string>

#include "core/Manager.h"
#include "world/ObjectList.h"

namespace vt {

/// How many event types have registered objects.
int interestCount(const Manager& manager);

/// The index-th event type in order of first registration; "" outside the range.
std::string interestType(const Manager& manager, int index);

/// The objects registered for the index-th event type; none outside the range.
ObjectList interestedIn(const Manager& manager, int index);

}  // namespace vt
