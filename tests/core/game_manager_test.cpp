#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <thread>
#include <type_traits>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
class GameManagerTest : public InTempDir {};

// Runs the game program in the working folder; its exit status, or -1.
int runProgram() {
  int status = std::system(MAZE_PROGRAM " >stdout.txt 2>stderr.txt");
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
}  // namespace

static_assert(!std::is_copy_constructible_v<vt::GameManager>);
static_assert(!std::is_copy_assignable_v<vt::LogManager>);

TEST_F(GameManagerTest, HeadlessStartUpSkipsGraphicsAndInputAndLeavesAnEmptyWorld) {
  writeFile("vt-config.txt", "headless:true,\n");
  vt::LogManager::getInstance().setLogLevel(1);
  vt::GameManager& game = vt::GameManager::getInstance();
  ASSERT_EQ(game.startUp(), 0);
  EXPECT_TRUE(game.isStarted());
  EXPECT_FALSE(vt::GraphicsManager::getInstance().isStarted());
  EXPECT_FALSE(vt::InputManager::getInstance().isStarted());
  EXPECT_TRUE(vt::ResourceManager::getInstance().isStarted());
  EXPECT_TRUE(vt::WorldManager::getInstance().isStarted());
  EXPECT_TRUE(vt::PathManager::getInstance().isStarted());
  vt::Box boundary = vt::WorldManager::getInstance().getBoundary();
  EXPECT_EQ(boundary.getHorizontal(), 0);
  EXPECT_EQ(boundary.getVertical(), 0);
  EXPECT_EQ(vt::WorldManager::getInstance().getView().getHorizontal(), 0);
  EXPECT_EQ(vt::WorldManager::getInstance().getViewSlack(), vt::Vector(1.0f / 3, 1.0f / 3));
  game.shutDown();
  EXPECT_FALSE(game.isStarted());
  EXPECT_TRUE(vt::PathManager::getInstance().isStarted());  // never stopped by the game manager

  std::vector<std::string> log = logMessages();
  std::vector<std::string> in_order = {
      "Log Manager started.",      "Vantle configuration:",
      "Headless mode enabled:",    "--> Not starting GraphicsManager or InputManager.",
      "Resource manager started.", "World manager started.",
      "Path manager started.",     "World Manager stopped",
      "Resource Manager stopped",  "Manager::shutDown(): Warning! InputManager not started.",
      "Input Manager stopped",     "Manager::shutDown(): Warning! GraphicsManager not started.",
      "Graphics Manager stopped",  "** Game stopped **"};
  auto at = log.begin();
  for (const std::string& line : in_order) {
    at = std::find(at, log.end(), line);
    ASSERT_NE(at, log.end()) << "missing or out of order: " << line;
  }
  EXPECT_FALSE(contains(log, "Graphics manager started."));
}

TEST_F(GameManagerTest, UnopenableLogFileFailsStartUpAndTheProgramStillEndsWithZero) {
  writeFile("vt-config.txt", "headless:true,\nlogfile:missing/dir/game.log,\n");
  EXPECT_EQ(runProgram(), 0);
  std::string err = readFile("stderr.txt");
  EXPECT_NE(err.find("LogManager::startup(): Warning! Unable to open file 'missing/dir/game.log'."),
            std::string::npos);
  EXPECT_NE(err.find("Error starting LogManager!"), std::string::npos);
  EXPECT_NE(err.find("Error starting game manager!"), std::string::npos);
}

// Without a window every frame complains for its swap and for whatever it
// draws in the view.
TEST_F(GameManagerTest, HeadlessProgramComplainsInEveryFrame) {
  writeFile("vt-config.txt", "headless:true,\nframe_time:10,\n");
  pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    execl(MAZE_PROGRAM, MAZE_PROGRAM, static_cast<char*>(nullptr));
    _exit(127);
  }
  // Wait until a few frames are in the log, then interrupt the loop.
  for (int i = 0; i < 500; i++) {
    if (count(logMessages(), "GraphicsManager not started!") >= 12) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);

  // The splash's frames come first; none goes without its complaint.
  std::vector<int> frames;
  for (const std::string& line : readLines("vantle.log")) {
    if (messageOf(line) != "GraphicsManager not started!") continue;
    int step = std::stoi(line.substr(9));
    if (frames.empty() || frames.back() != step) frames.push_back(step);
  }
  ASSERT_GE(frames.size(), 5u);
  for (std::size_t i = 0; i < frames.size(); i++) EXPECT_EQ(frames[i], static_cast<int>(i));
}
