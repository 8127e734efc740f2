// The real program, headless, in a folder that lacks what it needs. (Files
// that are folders or cut short are the resource tests' concern.)
#include "GameTestSupport.h"

using namespace game_test;
using Lines = std::vector<std::string>;

namespace {

// Frames of the game's own loop to wait for; the splash before it has 90.
const int GAME_FRAMES = 120;

/// Runs the program in the folder with config as its configuration and
/// display as DISPLAY (unset if empty); one that plays is stopped once its
/// loop is past GAME_FRAMES frames, read from the step count of the log's
/// last line. What the log and stderr say.
std::string run(const std::string& config, bool plays, const std::string& display = "") {
  vt_test::writeFile("vt-config.txt", config);
  const char* had = std::getenv("DISPLAY");
  std::string previous = had ? had : "";
  setenv("DISPLAY", display.c_str(), 1);
  int pid = vt_test::startProgram({MAZE_PROGRAM}, "stderr.txt", display.empty());
  previous.empty() ? unsetenv("DISPLAY") : setenv("DISPLAY", previous.c_str(), 1);
  if (plays) {
    EXPECT_TRUE(vt_test::within(60, [&] {
      Lines log = vt_test::readLines("vantle.log");
      int step = log.empty() || log.back().size() <= 9 ? -1 : std::atoi(log.back().c_str() + 9);
      return step >= GAME_FRAMES;
    })) << "the game loop did not get going";
  }
  EXPECT_EQ(vt_test::finishProgram(pid, plays ? 0 : 60), plays ? -1 : 1);
  std::string said = vt_test::readFile("vantle.log") + vt_test::readFile("stderr.txt");
  for (const char* bad : {"Sanitizer", "runtime error"})
    EXPECT_EQ(said.find(bad), said.npos) << said;
  return said;
}

using BadFilesTest = vt_test::InTempDir;

}  // namespace

// Without its sprites and sounds the game says what it lacks and plays on;
// without a display, the configuration asking for none, it says why in its
// log and in one line on standard error, and ends with status 1.
TEST_F(BadFilesTest, WithoutItsFilesTheGamePlaysOnAndWithoutADisplayItEndsWithOne) {
  std::string said = run("headless:true,\nframe_time:0,\n", true);
  for (const char* line :
       {"ResourceManager::loadSprite(): Cannot open file 'sprites/HeroSprite.txt'",
        "ResourceManager::loadSound(): Cannot load sound from file 'sounds/collect_coin.wav'",
        "ResourceManager::loadmusic(): Cannot load music from file 'sounds/enter_the_maze.wav'",
        "ResourceManager::getMusic(): Music 'music' not found",
        "Hero::Hero(): Warning! Sprite 'hero idle' not found",
        "Wall::Wall(): Warning! Sprite 'top corner wall' not found"})
    EXPECT_NE(said.find(std::string(line) + "\n"), said.npos) << line;
  const std::pair<std::string, std::string> displays[] = {
      {"", "DISPLAY is not set"}, {":4321", "the display ':4321' could not be opened"}};
  for (const auto& [display, why] : displays) {
    run("", false, display);
    Lines log = vt_test::logMessages();
    auto failed = std::find(log.begin(), log.end(), "GraphicsLayer::startUp(): Unable to alloate window!");
    ASSERT_LT(failed + 2, log.end());
    EXPECT_EQ(failed[1], "GraphicsManager::startUp(): " + why + ".");
    EXPECT_EQ(failed[2], "Error starting graphics manager!");
    EXPECT_EQ(vt_test::readFile("stderr.txt"),
              "maze: Error starting graphics manager! " + why + ". See the log 'vantle.log'.\n");
  }
}
