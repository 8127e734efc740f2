// Sent by the world manager to an object whose move took it out of the
// world; no registration is needed to receive it.
#pragma once

#include "core/Event.h"

namespace vt {

const std::string OUT_EVENT = "vt::out";

class EventOut : public Event {
 public:
  EventOut();
};

}  // namespace vt
