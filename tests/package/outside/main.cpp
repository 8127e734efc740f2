// Runs the engine headless for ten frames with one moving object and prints
// where the object ended up.
#include <cstdio>

#include "vantle.h"

namespace {
class Mover : public vt::Object {
 public:
  Mover() {
    registerInterest(vt::STEP_EVENT);
    setVelocity(vt::Vector(1, 0));
  }
  int eventHandler(const vt::Event* p_e) override {
    if (static_cast<const vt::EventStep*>(p_e)->getStepCount() == 9)
      vt::GameManager::getInstance().setGameOver();
    return 1;
  }
};
}  // namespace

int main() {
  vt::Config::getInstance().setHeadless(true);
  vt::Config::getInstance().setFrameTime(0);
  vt::GameManager& game = vt::GameManager::getInstance();
  if (game.startUp() != 0) return 1;
  vt::WorldManager::getInstance().setBoundary(vt::Box(vt::Vector(), 100, 100));
  Mover* p_mover = new Mover;
  game.run();
  std::printf("x=%g steps=%d\n", p_mover->getPosition().getX(), game.getStepCount());
  game.shutDown();
  return 0;
}
