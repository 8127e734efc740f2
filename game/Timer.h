// The countdown shown at the top right: the seconds left in the level,
// lowered once every 30 steps that are not paused. It only shows the time;
// the hero keeps its own count and acts when it runs out.
#pragma once

#include "world/ViewObject.h"

/// Game loop steps in one second of a level's time.
const int STEPS_PER_SECOND = 30;

class Timer : public vt::ViewObject {
 public:
  /// "Time Remaining:" in yellow at the top right, showing 0 until set.
  Timer();

  /// View events go to the view object first; 1 for every step event.
  int eventHandler(const vt::Event* p_e) override;
};
