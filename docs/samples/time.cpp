// Time and chance: a stopwatch that tells the time gone by from its frames
// and from a clock, and rolls a die once a second with the random numbers
// the engine seeded. The splash screen runs first, before the game's own
// objects are made. The game ends after five rolls.
#include <cstdlib>

#include "vantle.h"

/// Steps per second at the default frame time of 33 ms.
const int STEPS_PER_SECOND = 30;

class Stopwatch : public vt::Object {
 public:
  Stopwatch() {
    setType("Stopwatch");
    setSolidness(vt::SPECTRAL);
    registerInterest(vt::STEP_EVENT);
  }

  int eventHandler(const vt::Event* p_e) override {
    if (p_e->getType() != vt::STEP_EVENT) return Object::eventHandler(p_e);
    int steps = static_cast<const vt::EventStep*>(p_e)->getStepCount() + 1;  // counted from 0
    if (steps % STEPS_PER_SECOND != 0) return 1;
    // The time the frames should have taken, and the time they did take.
    int frame_time = vt::GameManager::getInstance().getFrameTime();
    double by_frames = steps * frame_time / 1000.0;
    double by_clock = clock.split() / 1000000.0;
    // rand() as the engine seeded it: the configured random_seed, or the
    // seed of the run being replayed, so that a replay rolls the same.
    int roll = std::rand() % 6 + 1;
    vt::LogManager& log = vt::LogManager::getInstance();
    log.writeLog("Stopwatch::eventHandler(): %.1f s by the frames, %.1f s by the clock; rolled %d",
                 by_frames, by_clock, roll);
    if (steps == 5 * STEPS_PER_SECOND) {
      log.writeLog("Stopwatch::eventHandler(): Five rolls.");
      vt::GameManager::getInstance().setGameOver();
    }
    return 1;
  }

 private:
  vt::Clock clock;  // started when the stopwatch is made
};

int main() {
  vt::GameManager& game = vt::GameManager::getInstance();
  if (game.startUp() != 0) return game.abandonStartUp("time");
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setBoundary(vt::Box(vt::Vector(0, 0), 80, 24));
  world.setView(vt::Box(vt::Vector(0, 0), 80, 24));

  // The splash screen runs the game loop itself for about three seconds.
  // An object made before it would be drawn over it and take its steps.
  vt::splash();
  new Stopwatch;
  game.run();  // counts steps from 0 again
  game.shutDown();
  return 0;
}
