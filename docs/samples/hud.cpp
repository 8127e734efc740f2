// The head-up display: a view object at each of the nine places of the
// view, a score raised with view events, and a countdown that ends the game.
#include "vantle.h"

/// The score's label, which is also the tag of the view events for it.
const std::string SCORE = "Score";

/// Steps per second at the default frame time of 33 ms.
const int STEPS_PER_SECOND = 30;

/// Adds points to the value of every display labelled "Score".
void addPoints(int points) {
  vt::EventView event(SCORE, points, true);  // true: add to the value; false: replace it
  vt::WorldManager::getInstance().onEvent(&event);
}

class Countdown : public vt::ViewObject {
 public:
  explicit Countdown(int seconds) {
    setViewString("Time");
    setValue(seconds);
    setLocation(vt::TOP_RIGHT);
    setColor(vt::YELLOW);
    registerInterest(vt::STEP_EVENT);
  }

  int eventHandler(const vt::Event* p_e) override {
    if (p_e->getType() != vt::STEP_EVENT) return ViewObject::eventHandler(p_e);
    int step = static_cast<const vt::EventStep*>(p_e)->getStepCount();
    if ((step + 1) % STEPS_PER_SECOND != 0) return 1;
    setValue(getValue() - 1);
    addPoints(10);  // ten points for every second survived
    if (getValue() <= 0) vt::GameManager::getInstance().setGameOver();
    return 1;
  }
};

int main() {
  vt::GameManager& game = vt::GameManager::getInstance();
  if (game.startUp() != 0) {
    game.shutDown();
    return 1;
  }
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setBoundary(vt::Box(vt::Vector(0, 0), 80, 24));
  world.setView(vt::Box(vt::Vector(0, 0), 80, 24));  // view objects are placed in the view

  auto* p_score = new vt::ViewObject;  // SPECTRAL, drawn last, framed, showing 0
  p_score->setViewString(SCORE);
  p_score->setLocation(vt::TOP_LEFT);
  p_score->setColor(vt::GREEN);
  new Countdown(5);

  // The other places, each showing its own name.
  const char* const names[] = {"",
                               "TOP_CENTER",
                               "",
                               "CENTER_LEFT",
                               "no border",
                               "CENTER_RIGHT",
                               "BOTTOM_LEFT",
                               "BOTTOM_CENTER",
                               "BOTTOM_RIGHT"};
  for (int place = vt::TOP_CENTER; place <= vt::BOTTOM_RIGHT; place++) {
    if (place == vt::TOP_RIGHT) continue;
    auto* p_label = new vt::ViewObject;
    p_label->setViewString(names[place]);
    p_label->setDrawValue(false);  // the label alone
    if (place == vt::CENTER_CENTER) p_label->setBorder(false);
    p_label->setLocation(static_cast<vt::ViewObjectLocation>(place));
  }

  game.run();
  game.shutDown();
  return 0;
}
