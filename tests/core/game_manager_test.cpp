#include <gtest/gtest.h>

#include <regex>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
using GameManagerTest = InTempDir;

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

TEST_F(GameManagerTest, HeadlessStartUpAndShutDownLogInOrderAfterTheBanner) {
  writeFile("vt-config.txt", "headless:true,\n");
  vt::LogManager::getInstance().setLogLevel(1);
  vt::GameManager& game = vt::GameManager::getInstance();
  ASSERT_EQ(game.startUp(), 0);
  EXPECT_EQ(vt::WorldManager::getInstance().getViewSlack(), vt::Vector(1.0f / 3, 1.0f / 3));
  game.shutDown();
  std::vector<std::string> lines = readLines("vantle.log");
  ASSERT_GE(lines.size(), 3u);  // after the log's own start-up line
  EXPECT_TRUE(std::regex_match(lines[1], std::regex(R"(^\d\d:\d\d:\d\d    0 \*{52}$)")));
  EXPECT_TRUE(std::regex_match(lines[2], std::regex(R"(^.{14}\*\* Vantle version 4\.2 \*\*$)")));
  std::vector<std::string> log = logMessages();
  auto at = log.begin();
  for (const char* line :
       {"Log Manager started.", "Vantle configuration:", "Headless mode enabled:",
        "--> Not starting GraphicsManager or InputManager.", "Resource manager started.",
        "World manager started.", "Path manager started.", "World Manager stopped",
        "Resource Manager stopped", "Manager::shutDown(): Warning! InputManager not started.",
        "Input Manager stopped", "Manager::shutDown(): Warning! GraphicsManager not started.",
        "Graphics Manager stopped", "** Game stopped **"}) {
    at = std::find(at, log.end(), line);
    ASSERT_NE(at, log.end()) << "missing or out of order: " << line;
  }
  EXPECT_FALSE(contains(log, "Graphics manager started."));
}

TEST_F(GameManagerTest, UnopenableLogFileFailsStartUpOnStandardError) {
  writeFile("vt-config.txt", "headless:true,\nlogfile:missing/dir/game.log,\n");
  vt::LogManager::getInstance().setLogTimeString(false);
  vt::LogManager::getInstance().setLogStepCount(false);
  testing::internal::CaptureStderr();
  EXPECT_EQ(vt::GameManager::getInstance().startUp(), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "LogManager::startup(): Warning! Unable to open file 'missing/dir/game.log'.\n\n"
            "Error starting LogManager!\n");
}

TEST_F(GameManagerTest, StepsCountFromZeroAfterTheUpdateAndGameOverEndsTheLoopAfterThatFrame) {
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
  game.runFrame();  // a frame of its own is counted too
  EXPECT_EQ(p_stepper->seen, (std::vector<int>{0, 1}));
  EXPECT_EQ(game.getStepCount(), 2);
  game.shutDown();  // deletes the stepper
}
