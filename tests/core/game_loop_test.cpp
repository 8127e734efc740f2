#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
class GameLoopTest : public InTempDir {};

// Notes each step and its x after the world update; ends the game at last_step.
class Stepper : public vt::Object {
 public:
  Stepper() { registerInterest(vt::STEP_EVENT); }
  int eventHandler(const vt::Event* p_e) override {
    if (p_e->getType() != vt::STEP_EVENT) return 0;  // leaving the empty world
    int step = static_cast<const vt::EventStep*>(p_e)->getStepCount();
    seen.push_back(step);
    x_at_step.push_back(getPosition().getX());
    if (step == last_step) vt::GameManager::getInstance().setGameOver();
    return 1;
  }
  int last_step = 3;
  std::vector<int> seen;
  std::vector<float> x_at_step;
};
}  // namespace

TEST_F(GameLoopTest, StepsCountFromZeroAfterTheUpdateAndGameOverEndsTheLoopAfterThatFrame) {
  writeFile("vt-config.txt", "headless:true,\nframe_time:0,\n");
  vt::GameManager& game = vt::GameManager::getInstance();
  ASSERT_EQ(game.startUp(), 0);
  Stepper* p_stepper = new Stepper;
  p_stepper->setVelocity(vt::Vector(1, 0));
  game.run();
  EXPECT_EQ(p_stepper->seen, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(p_stepper->x_at_step, (std::vector<float>{1, 2, 3, 4}));
  EXPECT_EQ(game.getStepCount(), 4);

  p_stepper->seen.clear();  // started again, the loop counts from 0 once more
  p_stepper->last_step = 0;
  game.run();
  EXPECT_EQ(p_stepper->seen, (std::vector<int>{0}));
  EXPECT_EQ(game.getStepCount(), 1);
  game.shutDown();  // deletes the stepper
}
