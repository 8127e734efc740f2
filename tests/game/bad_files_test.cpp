// The real program in a spoilt copy of its staged folder, headless.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "GameTestSupport.h"

using namespace game_test;
using vt_test::readFile;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

const char* const HEADLESS = "headless:true,\nframe_time:0,\n";
// Frames of the game's own loop to wait for; the splash before it has 90.
const int GAME_FRAMES = 120;

const Lines NOTHING_LOADED = {
    "ResourceManager::loadSprite(): Cannot open file 'sprites/HeroSprite.txt'",
    "ResourceManager::loadSound(): Cannot load sound from file 'sounds/collect_coin.wav'",
    "ResourceManager::loadSound(): Cannot load sound from file 'sounds/close_door_1.wav'",
    "ResourceManager::loadmusic(): Cannot load music from file 'sounds/enter_the_maze.wav'",
    "Hero::Hero(): Warning! Sprite 'hero idle' not found"};

struct Case {
  std::string folder;
  // What is done to each path: "gone", "folder", or else the text it gets.
  std::vector<std::pair<std::string, std::string>> changes;
  bool plays;                    // else it ends by itself, without a display
  Lines reported, not_reported;  // whole lines of the log or of stderr
};

/// The start of a staged file.
std::string cut(const std::string& file, std::size_t bytes) {
  return readFile(stageDir() + "/" + file).substr(0, bytes);
}

/// Spoils a copy of the staged game, runs it and checks what it reported.
void check(const Case& c) {
  SCOPED_TRACE(c.folder);
  fs::create_directory(c.folder);
  for (const char* item : {"sprites", "sounds"})
    fs::copy(fs::path(stageDir()) / item, fs::path(c.folder) / item, fs::copy_options::recursive);
  vt_test::writeFile(c.folder + "/vt-config.txt", HEADLESS);
  for (const auto& [name, how] : c.changes) {
    fs::remove_all(c.folder + "/" + name);
    if (how == "folder") fs::create_directory(c.folder + "/" + name);
    if (how != "folder" && how != "gone") vt_test::writeFile(c.folder + "/" + name, how);
  }
  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(c.folder.c_str()) != 0) _exit(126);
    dup2(open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
    if (!c.plays) unsetenv("DISPLAY");
    execl(MAZE_PROGRAM, MAZE_PROGRAM, static_cast<char*>(nullptr));
    _exit(127);
  }
  // A headless game never ends by itself: it is stopped once its loop is
  // past GAME_FRAMES frames, read from the step count of the log's last line.
  int status = 0, step = -1;
  for (int i = 0; c.plays && step < GAME_FRAMES && i < 6000; i++) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (waitpid(pid, &status, WNOHANG) != 0) break;
    Lines log = vt_test::readLines(c.folder + "/vantle.log");
    step = log.empty() || log.back().size() <= 9 ? -1 : std::atoi(log.back().c_str() + 9);
  }
  if (c.plays) {
    EXPECT_GE(step, GAME_FRAMES) << "the game loop did not get going";
    kill(pid, SIGKILL);
  }
  waitpid(pid, &status, 0);
  EXPECT_TRUE(c.plays || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) << status;
  std::string said = readFile(c.folder + "/vantle.log") + readFile(c.folder + "/stderr.txt");
  for (const std::string& line : c.reported) EXPECT_NE(said.find(line + "\n"), said.npos) << line;
  for (const std::string& line : c.not_reported) EXPECT_EQ(said.find(line), said.npos) << line;
  for (const char* bad : {"Sanitizer", "runtime error"})
    EXPECT_EQ(said.find(bad), said.npos) << said;
}

using BadFilesTest = vt_test::InTempDir;

}  // namespace

// Missing folders, folders in place of files and sounds cut short are
// reported and the game plays on without what it lacks; without a display
// it says why and ends with status 0.
TEST_F(BadFilesTest, EachBrokenFileIsReportedAndTheGamePlaysOnOrEndsWithZero) {
  ASSERT_FALSE(stageDir().empty()) << "MAZE_STAGE_DIR not set";
  Lines no_folders = NOTHING_LOADED;
  no_folders.push_back("ResourceManager::getMusic(): Music 'music' not found");
  no_folders.push_back("Wall::Wall(): Warning! Sprite 'top corner wall' not found");
  std::vector<Case> cases = {
      {"gone", {{"sprites", "gone"}, {"sounds", "gone"}}, true, no_folders, {}},
      // A folder used to hang the sound loader for good. A track cut short
      // streams what it has; a sound cut in its header is refused.
      {"folders",
       {{"sprites/HeroSprite.txt", "folder"},
        {"sounds/collect_coin.wav", "folder"},
        {"sounds/close_door_1.wav", cut("sounds/close_door_1.wav", 30)},
        {"sounds/enter_the_maze.wav", cut("sounds/enter_the_maze.wav", 30000)}},
       true,
       {NOTHING_LOADED[0], NOTHING_LOADED[1], NOTHING_LOADED[2], NOTHING_LOADED[4]},
       {NOTHING_LOADED[3], "Key::Key(): Warning! Sprite 'key' not found"}},
      // Without its configuration the game wants a window: none here.
      {"empty",
       {{"vt-config.txt", ""}},
       false,
       {"GraphicsLayer::startUp(): Unable to alloate window!", "Error starting graphics manager!"},
       {}}};
  for (const Case& c : cases) check(c);
}
