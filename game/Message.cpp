#include "Message.h"

#include "core/EventStep.h"
#include "world/WorldManager.h"

Message::Message(const std::string& text, vt::Color color, vt::Vector where, int steps)
    : steps_left(steps) {
  setType("Message");
  setViewString(text);
  setDrawValue(false);
  setColor(color);
  setPosition(where);
  registerInterest(vt::STEP_EVENT);
}

int Message::eventHandler(const vt::Event* p_e) {
  if (ViewObject::eventHandler(p_e) != 0) return 1;
  if (p_e->getType() != vt::STEP_EVENT) return 0;
  if (steps_left > 0 && --steps_left == 0) vt::WorldManager::getInstance().markForDelete(this);
  return 1;
}

int Message::getStepsLeft() const { return steps_left; }
