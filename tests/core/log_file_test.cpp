// The log's file shared by programs at once: devices and pipes, held files,
// moving a full file aside while others start, and folders it cannot write.
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>

#include "TestSupport.h"

using namespace vt_test;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

using LogFileTest = InTempDir;

TEST_F(LogFileTest, PipesAreSharedAndHeldFilesGiveTheFirstFreeOfAFewNumberedNames) {
  ASSERT_EQ(mkfifo("pipe", 0600), 0);
  int reader = open("pipe", O_RDONLY | O_NONBLOCK);
  // The names opening gives in turn ("-" none): a pipe (as /dev/null) twice,
  // shared as it is, never locked nor a name made from it; then vantle.log
  // until every one of its names is held.
  std::istringstream text(
      "pipe pipe vantle.log vantle-2.log vantle-3.log vantle-4.log vantle-5.log vantle-6.log "
      "vantle-7.log vantle-8.log -");
  std::vector<std::string> names{std::istream_iterator<std::string>(text), {}};
  std::deque<vt::LogFile> files(names.size());
  for (std::size_t i = 0; i < names.size(); i++)
    EXPECT_EQ(files[i].open(i < 2 ? "pipe" : "vantle.log") ? files[i].getName() : "-", names[i]);
  files[4].close();  // a name let go is taken again
  EXPECT_TRUE(files.back().open("vantle.log"));
  EXPECT_EQ(files.back().getName(), "vantle-3.log");
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 9);
  close(reader);
}

TEST_F(LogFileTest, MovingAFullLogAsideNeverLeavesItsNameFreeForAnotherProgram) {
  vt::LogFile writer;
  ASSERT_TRUE(writer.open("vantle.log"));
  std::atomic<bool> done{false};
  std::thread rival([&done] {
    while (!done) vt::LogFile().open("vantle.log");
  });
  int lost = 0;  // rounds after which the file written has lost the name
  for (int i = 0; i < 2000; i++) {
    fputs("line\n", writer.getStream());
    writer.account(5, 1);
    struct stat written, named;
    fstat(fileno(writer.getStream()), &written);
    if (stat("vantle.log", &named) != 0 || named.st_ino != written.st_ino) lost++;
  }
  done = true;
  rival.join();
  EXPECT_EQ(lost, 0);
  EXPECT_EQ(readFile("vantle.log.1"), "line\n");
}

TEST_F(LogFileTest, AFolderThatCannotBeWrittenSendsTheLogToTheStateFolderElseTheReasonIsSaid) {
  // The working folder is read-only for the log, which runs as another user
  // when the test runs as root; the state folder takes it.
  fs::create_directory("state");
  chmod("state", 0777);
  chmod(".", 0555);
  std::string state = dir + "/state";
  std::string moved =
      state + "/" + fs::read_symlink("/proc/self/exe").filename().string() + "/vantle.log";
  pid_t pid = fork();
  if (pid == 0) {
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
      _exit(3);
    dup2(open((state + "/err.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666), 2);
    setenv("XDG_STATE_HOME", state.c_str(), 1);
    vt::LogManager& log = vt::LogManager::getInstance();
    log.setLogTimeString(false);
    log.setLogStepCount(false);
    vt::Config::getInstance().setLogFile("missing/x.log");
    int failed = log.startUp();
    vt::Config::getInstance().setLogFile("vantle.log");
    int started = log.startUp();
    log.writeLog("written");
    log.shutDown();
    _exit(failed == -1 && started == 0 ? 0 : 1);
  }
  int status = -1;
  waitpid(pid, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  Lines err = readLines(state + "/err.txt");
  EXPECT_TRUE(contains(err, "LogManager::startup(): 'missing/x.log': No such file or directory."));
  EXPECT_TRUE(contains(err,
                       "LogManager::startup(): 'vantle.log' cannot be written (Permission "
                       "denied); logging to '" +
                           moved + "'."));
  EXPECT_EQ(readLines(moved), Lines{"written"});
  chmod(".", 0700);
}
