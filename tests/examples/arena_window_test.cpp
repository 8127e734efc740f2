#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <SFML/Graphics/Image.hpp>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "TestSupport.h"
#include "XServer.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

// The default window: 1024 by 768 pixels of 80 by 24 cells.
const float CELL_WIDTH = 1024.0f / 80;
const float CELL_HEIGHT = 768.0f / 24;

bool isYellow(sf::Color c) { return c.r > 200 && c.g > 200 && c.b < 90; }
bool isCyan(sf::Color c) { return c.r < 90 && c.g > 200 && c.b > 200; }

/// How many pixels around a cell's top-left corner, a cell either way,
/// satisfy test.
int countNear(const sf::Image& image, int x, int y, bool (*test)(sf::Color)) {
  int n = 0;
  int left = static_cast<int>((static_cast<float>(x) - 1) * CELL_WIDTH);
  int top = static_cast<int>((static_cast<float>(y) - 0.5f) * CELL_HEIGHT);
  for (int py = std::max(top, 0); py < top + 2 * static_cast<int>(CELL_HEIGHT); py++)
    for (int px = std::max(left, 0); px < left + 3 * static_cast<int>(CELL_WIDTH); px++)
      if (static_cast<unsigned>(px) < image.getSize().x &&
          static_cast<unsigned>(py) < image.getSize().y && test(image.getPixel(px, py)))
        n++;
  return n;
}

std::string firstLine(const std::string& command) {
  std::string line;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buffer[256];
    if (fgets(buffer, sizeof buffer, p)) line = buffer;
    pclose(p);
  }
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  return line;
}

template <typename Done>
bool within(int seconds, Done done) {
  for (int i = 0; i < seconds * 10; i++) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return done();
}

class ArenaProgramTest : public vt_test::InTempDir {
 protected:
  void TearDown() override {
    if (pid > 0 && waitpid(pid, &status, WNOHANG) == 0) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
    }
    InTempDir::TearDown();
  }

  bool shoot(sf::Image& shot) {
    return std::system(("import -window " + window + " shot.png 2>/dev/null").c_str()) == 0 &&
           shot.loadFromFile("shot.png");
  }

  void clickCell(int x, int y) {
    int px = static_cast<int>((static_cast<float>(x) + 0.5f) * CELL_WIDTH);
    int py = static_cast<int>((static_cast<float>(y) + 0.5f) * CELL_HEIGHT);
    vt_test::xdotool("mousemove --window " + window + " " + std::to_string(px) + " " +
                     std::to_string(py) + " click 1");
  }

  void key(const std::string& name) {
    vt_test::focusWindow(std::stoul(window));
    vt_test::xdotool("key --delay 100 " + name);
  }

  pid_t pid = 0;
  int status = 0;
  std::string window;
};

}  // namespace

// The real program in a copy of its staged folder: clicks send walkers off
// around the walls with targets marked, S saves and L loads the arena, Q
// ends the program. With VANTLE_SCREENSHOT_DIR set, the picture of the
// walkers on their way is kept there as arena.png.
TEST_F(ArenaProgramTest, ClicksSendWalkersAndKeysSaveLoadAndQuit) {
  REQUIRE_DISPLAY();
  const char* stage = std::getenv("ARENA_STAGE_DIR");
  ASSERT_NE(stage, nullptr) << "ARENA_STAGE_DIR not set";
  for (const char* item : {"sprites", "vt-font.ttf"})
    fs::copy(fs::path(stage) / item, item, fs::copy_options::recursive);
  char* argv[] = {const_cast<char*>(ARENA_PROGRAM), nullptr};
  ASSERT_EQ(posix_spawn(&pid, ARENA_PROGRAM, nullptr, nullptr, argv, environ), 0);

  ASSERT_TRUE(within(30, [&] {
    window = firstLine("xdotool search --name '^Arena$' 2>/dev/null");
    return !window.empty();
  })) << "no window named Arena";
  sf::Image shot;
  // Any key ends the splash screen; the walkers then stand in their corners.
  ASSERT_TRUE(within(30, [&] {
    key("space");
    return shoot(shot) && countNear(shot, 2, 4, isCyan) > 0 && countNear(shot, 77, 4, isCyan) > 0;
  })) << "no walkers in the top corners";

  clickCell(30, 8);
  clickCell(50, 10);
  // Both walkers have left their corners, and yellow marks both targets.
  bool on_their_way = within(30, [&] {
    return shoot(shot) && countNear(shot, 2, 4, isCyan) == 0 &&
           countNear(shot, 77, 4, isCyan) == 0 && countNear(shot, 30, 8, isYellow) > 0 &&
           countNear(shot, 50, 10, isYellow) > 0;
  });
  if (const char* keep = std::getenv("VANTLE_SCREENSHOT_DIR"))
    shot.saveToFile(std::string(keep) + "/arena.png");
  ASSERT_TRUE(on_their_way) << "walkers did not set off, or the targets are not marked";

  key("s");
  ASSERT_TRUE(within(20, [] { return vt_test::readLines("arena.txt").size() == 6; }))
      << "no arena.txt with four walkers and two targets";
  key("l");
  ASSERT_TRUE(within(20, [] {
    return vt_test::contains(vt_test::logMessages(),
                             "loadArena(): 6 objects loaded from 'arena.txt'.");
  })) << "L did not load the arena";

  key("q");
  ASSERT_TRUE(within(20, [&] { return waitpid(pid, &status, WNOHANG) == pid; }))
      << "Q did not end the program";
  pid = 0;
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  for (const std::string& line : vt_test::logMessages())
    EXPECT_EQ(line.find("Cannot open file"), std::string::npos) << line;
}
