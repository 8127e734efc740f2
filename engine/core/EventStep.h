// Sent once per frame by the game manager to objects registered for it.
#pragma once

#include "core/Event.h"

namespace vt {

const std::string STEP_EVENT = "vt::step";

class EventStep : public Event {
 public:
  explicit EventStep(int init_step_count = 0);

  void setStepCount(int new_step_count);
  /// The game loop's step count when the frame's event was made.
  int getStepCount() const;

 private:
  int step_count;
};

}  // namespace vt
