// Helpers shared by the test suites: a private working folder per test and
// reading back what the engine wrote. Also the suites' common includes, so
// that a test file names only what is particular to it.
#pragma once

#include <gtest/gtest.h>

#include <SFML/Graphics.hpp>
#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "vantle.h"

namespace vt_test {

/// Runs each test in a fresh, empty working folder, removed afterwards.
class InTempDir : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string dir;

 private:
  std::string previous_dir;
};

/// The whole content of a file, empty when it cannot be read.
std::string readFile(const std::string& path);

/// Writes text to a file, replacing it.
void writeFile(const std::string& path, const std::string& text);

/// Makes a named pipe at path, which no program writes to.
void makeFifo(const std::string& path);

/// The lines of a file without their line feeds.
std::vector<std::string> readLines(const std::string& path);

/// The messages of every line in the log file, prefixes removed.
std::vector<std::string> logMessages(const std::string& path = "vantle.log");

/// Whether some line of lines equals text.
bool contains(const std::vector<std::string>& lines, const std::string& text);

/// How many lines of lines equal text.
int count(const std::vector<std::string>& lines, const std::string& text);

/// Whether the test may use a window. Without an X display it skips the
/// test, or fails it when VANTLE_REQUIRE_DISPLAY is set; use REQUIRE_DISPLAY()
/// in a test body or SetUp so that the test stops there.
bool requireDisplay();

#define REQUIRE_DISPLAY()                   \
  do {                                      \
    if (!vt_test::requireDisplay()) return; \
  } while (false)

/// A monospaced TrueType font that the test machines have.
const std::string TEST_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";

/// Copies TEST_FONT into the working folder under the engine's default font name.
void stageFont();

/// What has been drawn into the window so far, read before it is shown.
sf::Image captureWindow(const sf::RenderWindow& window);

/// Polls until done returns true, for at most seconds; whether it did.
template <typename Done>
bool within(double seconds, Done done) {
  auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (; !done(); std::this_thread::sleep_for(std::chrono::milliseconds(20)))
    if (std::chrono::steady_clock::now() > end) return false;
  return true;
}

/// Starts a program (args[0]) in the working folder, its standard error
/// into err_file unless that is empty, without an X display if asked; it
/// is killed should the test process die first.
int startProgram(const std::vector<std::string>& args, const std::string& err_file = "",
                 bool without_display = false);

/// Waits up to seconds for a started program: its exit status, 128 if a
/// signal ended it, or -1 if it runs on (it is then killed).
int finishProgram(int pid, double seconds);

/// Runs a shell command; its exit status, or -1 if it did not exit.
int shell(const std::string& command);

/// Starts the log manager alone on "vantle.log" in the working folder,
/// without time or step prefixes.
void startPlainLog();

}  // namespace vt_test
