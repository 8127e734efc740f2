#include "Timer.h"

#include "Play.h"
#include "core/EventStep.h"

Timer::Timer() {
  setLocation(vt::TOP_RIGHT);
  setViewString("Time Remaining:");
  setColor(vt::YELLOW);
  registerInterest(vt::STEP_EVENT);
}

int Timer::eventHandler(const vt::Event* p_e) {
  if (ViewObject::eventHandler(p_e) != 0) return 1;
  if (p_e->getType() != vt::STEP_EVENT) return 0;
  const vt::EventStep* p_step = static_cast<const vt::EventStep*>(p_e);
  if (pausedAt(p_step->getStepCount())) return 1;
  if (playStep(p_step->getStepCount()) % STEPS_PER_SECOND == 0) setValue(getValue() - 1);
  return 1;
}
