#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "GameTestSupport.h"

using namespace game_test;
using vt_test::contains;
using vt_test::readFile;
using vt_test::writeFile;
namespace fs = std::filesystem;

namespace {

// Frames of the game's own loop to wait for; the splash before it has 90.
const int GAME_FRAMES = 120;
const char* const HEADLESS = "headless:true,\nframe_time:0,\n";

// The step count of the last whole line of the log, -1 without one.
int lastStep(const std::string& log) {
  std::ifstream in(log, std::ios::binary | std::ios::ate);
  std::streamoff size = in.tellg();
  if (size <= 0) return -1;
  std::streamoff from = std::max<std::streamoff>(0, size - 512);
  std::string tail(static_cast<size_t>(size - from), '\0');
  in.seekg(from);
  in.read(&tail[0], static_cast<std::streamsize>(tail.size()));
  std::string::size_type end = tail.rfind('\n');
  if (end == std::string::npos) return -1;
  std::string::size_type start = tail.rfind('\n', end - 1);
  std::string::size_type begin = start == std::string::npos ? 0 : start + 1;
  std::string line = tail.substr(begin, end - begin);
  return line.size() > 9 ? std::atoi(line.c_str() + 9) : -1;
}

// The game program in a folder of its own, copied from the staged build.
class BadFilesTest : public vt_test::InTempDir {
 protected:
  /// A folder holding the staged sprites and sounds and a headless config.
  void stage(const std::string& folder) {
    fs::create_directory(folder);
    for (const char* item : {"sprites", "sounds"})
      fs::copy(fs::path(stageDir()) / item, fs::path(folder) / item, fs::copy_options::recursive);
    writeFile(folder + "/vt-config.txt", HEADLESS);
  }

  /// Replaces a file of the folder with a directory of its name.
  static void makeFolder(const std::string& path) {
    fs::remove_all(path);
    fs::create_directory(path);
  }

  /// Starts the program in folder, its output going to stdout.txt and stderr.txt there.
  static pid_t start(const std::string& folder, bool with_display = true) {
    pid_t pid = fork();
    if (pid == 0) {
      if (chdir(folder.c_str()) != 0) _exit(126);
      int out = open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
      int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
      dup2(out, 1);
      dup2(err, 2);
      if (!with_display) unsetenv("DISPLAY");
      execl(MAZE_PROGRAM, MAZE_PROGRAM, static_cast<char*>(nullptr));
      _exit(127);
    }
    return pid;
  }

  /// Runs the program until it ends by itself; its exit status, or -1.
  static int runToEnd(const std::string& folder) {
    int status = 0;
    waitpid(start(folder, false), &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  /// Runs the headless game in folder until its loop has passed GAME_FRAMES
  /// frames, then stops it; nothing else ends a headless game. Whether it
  /// got there still running.
  static bool playsOn(const std::string& folder) {
    pid_t pid = start(folder);
    bool playing = false, running = true;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (running && !playing && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      playing = lastStep(folder + "/vantle.log") >= GAME_FRAMES;
      running = waitpid(pid, nullptr, WNOHANG) == 0;
    }
    if (running) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    return playing && running;
  }

  /// The log's messages but the headless loop's complaints of every frame.
  static std::vector<std::string> messages(const std::string& folder) {
    std::vector<std::string> kept;
    for (const std::string& message : vt_test::logMessages(folder + "/vantle.log"))
      if (message != "GraphicsManager not started!" &&
          message != "InputManager::getInput(): GraphicsManager unexpectedly returned null window!")
        kept.push_back(message);
    return kept;
  }

  /// Checks that stderr holds no sanitizer report.
  static void expectCleanStderr(const std::string& folder) {
    std::string err = readFile(folder + "/stderr.txt");
    EXPECT_EQ(err.find("Sanitizer"), std::string::npos) << folder << ":\n" << err;
    EXPECT_EQ(err.find("runtime error"), std::string::npos) << folder << ":\n" << err;
  }

  void SetUp() override {
    InTempDir::SetUp();
    ASSERT_FALSE(stageDir().empty()) << "MAZE_STAGE_DIR not set";
  }
};

const char* const NO_HERO_SPRITE =
    "ResourceManager::loadSprite(): Cannot open file 'sprites/HeroSprite.txt'";
const char* const NO_KEY_SOUND =
    "ResourceManager::loadSound(): Cannot load sound from file 'sounds/collect_coin.wav'";
const char* const NO_DOOR_SOUND =
    "ResourceManager::loadSound(): Cannot load sound from file 'sounds/close_door_1.wav'";
const char* const NO_MUSIC =
    "ResourceManager::loadmusic(): Cannot load music from file 'sounds/enter_the_maze.wav'";

}  // namespace

// Folders that are missing, files instead of folders, or folders that
// cannot be read: each file is reported, the objects warn of their missing
// pictures and the game plays on without them.
TEST_F(BadFilesTest, MissingOrUnreadableFoldersAreReportedAndPlayGoesOn) {
  std::vector<std::string> cases = {"missing", "plain files"};
  if (geteuid() != 0) cases.push_back("unreadable");  // root reads through any mode
  for (const std::string& folder : cases) {
    SCOPED_TRACE(folder);
    stage(folder);
    for (const char* item : {"sprites", "sounds"}) {
      std::string path = folder + "/" + item;
      if (folder == "unreadable") {
        chmod(path.c_str(), 0);
        continue;
      }
      fs::remove_all(path);
      if (folder == "plain files") writeFile(path, "not a folder\n");
    }
    ASSERT_TRUE(playsOn(folder)) << "the game loop did not get going";
    std::vector<std::string> log = messages(folder);
    for (const char* line : {NO_HERO_SPRITE, NO_KEY_SOUND, NO_DOOR_SOUND, NO_MUSIC})
      EXPECT_TRUE(contains(log, line)) << line;
    EXPECT_TRUE(contains(log, "ResourceManager::getMusic(): Music 'music' not found"));
    EXPECT_TRUE(contains(log, "Hero::Hero(): Warning! Sprite 'hero idle' not found"));
    EXPECT_TRUE(contains(log, "Wall::Wall(): Warning! Sprite 'top corner wall' not found"));
    expectCleanStderr(folder);
    if (folder == "unreadable")
      for (const char* item : {"sprites", "sounds"}) chmod((folder + "/" + item).c_str(), 0755);
  }
}

// Folders named like the files, and sounds cut short. A folder used to hang
// the sound loader for good.
TEST_F(BadFilesTest, FoldersForFilesAndCutSoundsAreReportedAndPlayGoesOn) {
  stage("folders");
  for (const char* file :
       {"sprites/HeroSprite.txt", "sounds/collect_coin.wav", "sounds/enter_the_maze.wav"})
    makeFolder(std::string("folders/") + file);
  std::string door_sound = readFile("folders/sounds/close_door_1.wav");
  writeFile("folders/sounds/close_door_1.wav", door_sound.substr(0, door_sound.size() / 2));
  ASSERT_TRUE(playsOn("folders")) << "the game loop did not get going";
  std::vector<std::string> log = messages("folders");
  for (const char* line : {NO_HERO_SPRITE, NO_KEY_SOUND, NO_DOOR_SOUND, NO_MUSIC})
    EXPECT_TRUE(contains(log, line)) << line;
  EXPECT_TRUE(contains(log, "Hero::Hero(): Warning! Sprite 'hero idle' not found"));
  EXPECT_FALSE(contains(log, "Key::Key(): Warning! Sprite 'key' not found"));
  expectCleanStderr("folders");

  // A track cut short still opens and streams what it has; a sound cut
  // inside its header is refused.
  stage("cut");
  std::string music = readFile("cut/sounds/enter_the_maze.wav");
  writeFile("cut/sounds/enter_the_maze.wav", music.substr(0, 30000));
  writeFile("cut/sounds/collect_coin.wav", readFile("cut/sounds/collect_coin.wav").substr(0, 30));
  ASSERT_TRUE(playsOn("cut")) << "the game loop did not get going";
  log = messages("cut");
  EXPECT_TRUE(contains(log, NO_KEY_SOUND));
  EXPECT_FALSE(contains(log, NO_MUSIC));
  expectCleanStderr("cut");
}

// A configuration with binary data after its settings, or a folder in its
// place, and a log that cannot be written: each says so, and the program
// plays on or, without its log, ends with status 0.
TEST_F(BadFilesTest, BrokenConfigurationAndLogLocationAreReported) {
  stage("binary");
  std::string noise;
  for (int i = 0; i < 2048; i++) noise += static_cast<char>((i * 7919 + i / 3) % 256);
  writeFile("binary/vt-config.txt", HEADLESS + noise);
  ASSERT_TRUE(playsOn("binary")) << "the game loop did not get going";
  EXPECT_NE(readFile("binary/stderr.txt")
                .find("readConfig(): Warning! Vantle configuration file 'vt-config.txt' holds a "
                      "zero byte.  What follows it is ignored."),
            std::string::npos);
  expectCleanStderr("binary");

  // Without its configuration the game wants a window: none here.
  stage("folder");
  makeFolder("folder/vt-config.txt");
  EXPECT_EQ(runToEnd("folder"), 0);
  EXPECT_NE(readFile("folder/stderr.txt")
                .find("readConfig(): Warning! Cannot read Vantle configuration file "
                      "'vt-config.txt'.  Using defaults."),
            std::string::npos);
  EXPECT_TRUE(contains(messages("folder"), "Error starting graphics manager!"));
  expectCleanStderr("folder");

  stage("log");
  writeFile("log/vt-config.txt", std::string(HEADLESS) + "logfile:logs,\n");
  fs::create_directory("log/logs");
  EXPECT_EQ(runToEnd("log"), 0);
  std::string err = readFile("log/stderr.txt");
  for (const char* line : {"LogManager::startup(): Warning! Unable to open file 'logs'.",
                           "Error starting LogManager!", "Error starting game manager!"})
    EXPECT_NE(err.find(line), std::string::npos) << line;
  expectCleanStderr("log");
}
