#include "TestSupport.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <fstream>

#include "presentation/window/Display.h"

namespace vt_test {

void InTempDir::SetUp() {
  previous_dir = std::filesystem::current_path().string();
  std::string pattern = (std::filesystem::temp_directory_path() / "vantle-test-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  dir = pattern;
  std::filesystem::current_path(dir);
  // Whatever a game keeps for the player (the maze's best times) stays here too.
  setenv("XDG_DATA_HOME", dir.c_str(), 1);
  // And a log whose folder cannot be written.
  setenv("XDG_STATE_HOME", dir.c_str(), 1);
}

void InTempDir::TearDown() {
  std::filesystem::current_path(previous_dir);
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void makeFifo(const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0) << path; }

std::vector<std::string> readLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

namespace {
// The message part of a log line: after "hh:mm:ss ", the step count
// right-aligned in at least four columns and a blank.
std::string messageOf(const std::string& log_line) {
  std::string::size_type i = 9;
  while (i < log_line.size() && log_line[i] == ' ') i++;
  while (i < log_line.size() &&
         (isdigit(static_cast<unsigned char>(log_line[i])) || log_line[i] == '-'))
    i++;
  return i + 1 <= log_line.size() ? log_line.substr(std::min(i + 1, log_line.size())) : "";
}
}  // namespace

std::vector<std::string> logMessages(const std::string& path) {
  std::vector<std::string> messages;
  for (const std::string& line : readLines(path)) messages.push_back(messageOf(line));
  return messages;
}

bool contains(const std::vector<std::string>& lines, const std::string& text) {
  return count(lines, text) > 0;
}

int count(const std::vector<std::string>& lines, const std::string& text) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), text));
}

bool requireDisplay() {
  if (vt::canOpenDisplay()) return true;
  if (std::getenv("VANTLE_REQUIRE_DISPLAY")) {
    const char* display = std::getenv("DISPLAY");
    // Fatal, so that a test body after a SetUp that asked is not run either.
    [display] { FAIL() << "no X display can be opened; DISPLAY=" << (display ? display : ""); }();
    return false;
  }
  [] { GTEST_SKIP() << "needs an X display"; }();
  return false;
}

void stageFont() {
  std::error_code error;
  std::filesystem::copy_file(TEST_FONT, "vt-font.ttf",
                             std::filesystem::copy_options::overwrite_existing, error);
  ASSERT_FALSE(error) << "cannot copy " << TEST_FONT << ": " << error.message();
}

int startProgram(const std::vector<std::string>& args, const std::string& err_file,
                 bool without_display) {
  pid_t pid = fork();
  if (pid != 0) return pid;
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (!err_file.empty()) dup2(open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
  if (without_display) unsetenv("DISPLAY");
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  execv(argv[0], argv.data());
  _exit(127);
}

int finishProgram(int pid, double seconds) {
  int status = 0, ended = 0;
  within(seconds, [&] { return (ended = waitpid(pid, &status, WNOHANG)) != 0; });
  if (ended == 0) kill(pid, SIGKILL), waitpid(pid, &status, 0);
  if (ended <= 0) return -1;  // ran on, or already waited for
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

int shell(const std::string& command) {
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void startPlainLog() {
  vt::LogManager& log = vt::LogManager::getInstance();
  log.setLogTimeString(false);
  log.setLogStepCount(false);
  log.setFlush(true);
  ASSERT_EQ(log.startUp(), 0);
}

sf::Image captureWindow(const sf::RenderWindow& window) {
  vt::GraphicsManager::getInstance().getWindow();  // puts the characters drawn so far on it
  sf::Texture texture;
  EXPECT_TRUE(texture.create(window.getSize().x, window.getSize().y));
  texture.update(window);
  return texture.copyToImage();
}

}  // namespace vt_test
