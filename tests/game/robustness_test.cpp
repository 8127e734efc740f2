// The real program run headless as a careless or hostile user would: ended
// by signals, run long and twice in one folder, and given absurd settings.
#include <signal.h>

#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;
using vt_test::contains;
using vt_test::finishProgram;
using vt_test::logMessages;

class RobustnessTest : public vt_test::InTempDir {
 protected:
  void TearDown() override {
    for (int pid : started) finishProgram(pid, 0);
    InTempDir::TearDown();
  }

  // Starts the maze program headless with the configuration items given,
  // its standard error into name.err.
  int start(const std::string& items, const std::string& name = "run") {
    vt_test::writeFile("vt-config.txt", "headless:true,\n" + items);
    started.push_back(vt_test::startProgram({MAZE_PROGRAM}, name + ".err"));
    return started.back();
  }

  // Whether the log holds message within 30 s.
  static bool logs(const std::string& message, const std::string& path = "vantle.log") {
    return vt_test::within(30, [&] { return contains(logMessages(path), message); });
  }

  std::vector<int> started;
};

// Headless, every frame says the graphics manager is not started: the loop runs.
const char* const LOOP_RUNS = "GraphicsManager not started!";

}  // namespace

TEST_F(RobustnessTest, ASignalEndsAHeadlessRunInGoodOrderAndASecondOneAtOnce) {
  // A frame time the configuration refuses: the default runs instead.
  int pid = start("frame_time:2147483647,\n");
  ASSERT_TRUE(logs(LOOP_RUNS));
  ASSERT_EQ(kill(pid, SIGTERM), 0);
  EXPECT_EQ(finishProgram(pid, 1.0), 0);
  std::vector<std::string> log = logMessages();
  EXPECT_TRUE(contains(log, "GameManager::run(): Signal 15 received. Setting game over."));
  EXPECT_TRUE(contains(log, "** Game stopped **"));
  EXPECT_TRUE(contains(logMessages("run.err"),
                       "loadConfig(): Unsupported frame time '2147483647'; frame_time takes a "
                       "whole number from 0 to 10000."));

  pid = start("");
  ASSERT_TRUE(logs(LOOP_RUNS));
  kill(pid, SIGINT);
  kill(pid, SIGINT);
  EXPECT_NE(finishProgram(pid, 1.0), 0);
}

TEST_F(RobustnessTest, LogsStayBoundedAndASecondProgramWritesItsOwn) {
  const long limit = 65536;
  int pid = start("frame_time:0,\nlog_size_limit:" + std::to_string(limit) + ",\n");
  ASSERT_TRUE(
      logs("LogManager::writeLog(): Log file full; the lines before this one are in "
           "'vantle.log.1'."));
  std::this_thread::sleep_for(std::chrono::seconds(1));
  kill(pid, SIGTERM);
  EXPECT_EQ(finishProgram(pid, 2), 0);
  EXPECT_LE(fs::file_size("vantle.log") + fs::file_size("vantle.log.1"), 2 * limit + 200);
  EXPECT_TRUE(contains(logMessages(), "** Game stopped **"));

  fs::remove("vantle.log");
  int first = start("", "first");
  ASSERT_TRUE(logs(LOOP_RUNS));
  int second = start("", "second");
  std::string own = "vantle-2.log";
  ASSERT_TRUE(logs(LOOP_RUNS, own));
  kill(second, SIGTERM);
  kill(first, SIGTERM);
  EXPECT_EQ(finishProgram(first, 2), 0);
  EXPECT_EQ(finishProgram(second, 2), 0);
  for (const std::string& file : {std::string("vantle.log"), own}) {
    std::vector<std::string> log = logMessages(file);
    EXPECT_EQ(vt_test::count(log, "** Vantle version 4.2 **"), 1) << file;
    EXPECT_EQ(log.back(), "****************************************************") << file;
  }
  EXPECT_TRUE(contains(vt_test::readLines("second.err"),
                       "LogManager::startup(): 'vantle.log' is held by another program; "
                       "logging to '" +
                           own + "'."));
}
