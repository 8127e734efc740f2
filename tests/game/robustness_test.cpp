// The real program run headless as a careless or hostile user would: ended
// by signals, run long and twice in one folder, and given absurd settings.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include "TestSupport.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using vt_test::contains;
using vt_test::logMessages;

class RobustnessTest : public vt_test::InTempDir {
 protected:
  void TearDown() override {
    for (pid_t pid : started) finish(pid, 0);
    InTempDir::TearDown();
  }

  // Starts the maze program headless with the configuration items given,
  // its standard error into name.err.
  pid_t start(const std::string& items, const std::string& name = "run") {
    vt_test::writeFile("vt-config.txt", "headless:true,\n" + items);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, (name + ".err").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    char* argv[] = {const_cast<char*>(MAZE_PROGRAM), nullptr};
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, MAZE_PROGRAM, &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    started.push_back(pid);
    return pid;
  }

  // Waits for the program up to seconds; its exit status, or -1 if it runs
  // on (it is then killed).
  static int finish(pid_t pid, double seconds) {
    int status = 0;
    for (auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
         std::chrono::steady_clock::now() < end;) {
      if (waitpid(pid, &status, WNOHANG) == pid)
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (kill(pid, SIGKILL) == 0) waitpid(pid, &status, 0);
    return -1;
  }

  // Waits until the log holds message; whether it came within seconds.
  static bool logs(const std::string& message, const std::string& path = "vantle.log",
                   int seconds = 30) {
    for (int i = 0; i < seconds * 20; i++) {
      if (contains(logMessages(path), message)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

  std::vector<pid_t> started;
};

// Headless, every frame says the graphics manager is not started: the loop runs.
const char* const LOOP_RUNS = "GraphicsManager not started!";

}  // namespace

TEST_F(RobustnessTest, ASignalEndsAHeadlessRunInGoodOrderAndASecondOneAtOnce) {
  // A frame time the configuration refuses: the default runs instead.
  pid_t pid = start("frame_time:2147483647,\n");
  ASSERT_TRUE(logs(LOOP_RUNS));
  ASSERT_EQ(kill(pid, SIGTERM), 0);
  EXPECT_EQ(finish(pid, 1.0), 0);
  std::vector<std::string> log = logMessages();
  EXPECT_TRUE(contains(log, "GameManager::run(): Signal 15 received. Setting game over."));
  EXPECT_TRUE(contains(log, "** Game stopped **"));
  EXPECT_TRUE(
      contains(logMessages("run.err"), "loadConfig(): Unsupported frame time '2147483647'"));

  pid = start("");
  ASSERT_TRUE(logs(LOOP_RUNS));
  kill(pid, SIGINT);
  kill(pid, SIGINT);
  EXPECT_NE(finish(pid, 1.0), 0);
}

TEST_F(RobustnessTest, LogsStayBoundedAndASecondProgramWritesItsOwn) {
  const long limit = 65536;
  pid_t pid = start("frame_time:0,\nlog_size_limit:" + std::to_string(limit) + ",\n");
  ASSERT_TRUE(
      logs("LogManager::writeLog(): Log file full; the lines before this one are in "
           "'vantle.log.1'."));
  std::this_thread::sleep_for(std::chrono::seconds(1));
  kill(pid, SIGTERM);
  EXPECT_EQ(finish(pid, 2), 0);
  EXPECT_LE(fs::file_size("vantle.log") + fs::file_size("vantle.log.1"), 2 * limit + 200);
  EXPECT_TRUE(contains(logMessages(), "** Game stopped **"));

  fs::remove("vantle.log");
  pid_t first = start("", "first");
  ASSERT_TRUE(logs(LOOP_RUNS));
  pid_t second = start("", "second");
  std::string own = "vantle.log." + std::to_string(second);
  ASSERT_TRUE(logs(LOOP_RUNS, own));
  kill(second, SIGTERM);
  kill(first, SIGTERM);
  EXPECT_EQ(finish(first, 2), 0);
  EXPECT_EQ(finish(second, 2), 0);
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
