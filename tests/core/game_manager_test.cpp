#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <type_traits>

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

static_assert(!std::is_copy_constructible_v<vt::GameManager>);
static_assert(!std::is_copy_assignable_v<vt::LogManager>);

TEST_F(GameManagerTest, HeadlessStartUpSkipsGraphicsAndInputAndLeavesAnEmptyWorld) {
  writeFile("vt-config.txt", "headless:true,\n");
  vt::LogManager::getInstance().setLogLevel(1);
  vt::GameManager& game = vt::GameManager::getInstance();
  vt::WorldManager& world = vt::WorldManager::getInstance();
  ASSERT_EQ(game.startUp(), 0);
  EXPECT_FALSE(vt::GraphicsManager::getInstance().isStarted());
  EXPECT_FALSE(vt::InputManager::getInstance().isStarted());
  for (vt::Manager* p_m : std::initializer_list<vt::Manager*>{
           &game, &vt::ResourceManager::getInstance(), &world, &vt::PathManager::getInstance()})
    EXPECT_TRUE(p_m->isStarted()) << p_m->getType();
  vt::Box boundary = world.getBoundary(), view = world.getView();
  EXPECT_EQ((std::vector<float>{boundary.getHorizontal(), boundary.getVertical(),
                                view.getHorizontal(), view.getVertical()}),
            std::vector<float>(4, 0));
  EXPECT_EQ(world.getViewSlack(), vt::Vector(1.0f / 3, 1.0f / 3));
  game.shutDown();
  EXPECT_FALSE(game.isStarted());
  EXPECT_TRUE(vt::PathManager::getInstance().isStarted());  // never stopped by the game manager

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

TEST_F(GameManagerTest, UnopenableLogFileFailsStartUpAndTheProgramStillEndsWithZero) {
  writeFile("vt-config.txt", "headless:true,\nlogfile:missing/dir/game.log,\n");
  int status = std::system(MAZE_PROGRAM " >stdout.txt 2>stderr.txt");
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  std::string err = readFile("stderr.txt");
  for (const char* line :
       {"LogManager::startup(): Warning! Unable to open file 'missing/dir/game.log'.",
        "Error starting LogManager!", "Error starting game manager!"})
    EXPECT_NE(err.find(line), std::string::npos) << line;
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
  EXPECT_EQ(game.getStepCount(), 1);
  game.shutDown();  // deletes the stepper
}
