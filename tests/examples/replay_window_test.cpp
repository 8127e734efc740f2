// Runs recorded and replayed by the real programs: the maze played through
// levels 1 and 2 without a window, the arena with clicks in one. A program
// plays a script while recording, then replays that recording while
// recording again: the two recordings (input, plies, seed and end state)
// and the two logs are the same. The runs go without ALSOFT_DRIVERS on a
// machine without a sound device: sound is off, said once, and standard
// error stays quiet. A damaged recording is refused with its file, line and
// reason.

#include <signal.h>

#include "TestSupport.h"

namespace {

struct Game {
  const char* name;
  const char* program;
  const char* stage;  // the environment variable naming its staged folder
  const char* config;
  std::string script;
  std::string sign;  // a line the scripted run logs signs times
  int signs;
};

// Without the hero's sprite each level's hero says so: three heroes, so
// levels 1 and 2 were won. Arrow keys are held (71 left, 72 right, 73 up,
// 74 down), Q (16) pressed at the end.
const std::string MAZE_SCRIPT = R"(vantle-record 2
seed 7
frame_time 0
window 0 0
game maze built-in 3deddcb7aafd14df
# the splash screen
100
40 key 71
12 key 73
30 key 74
80 key 71
30 key 73
56 key 72
20 key 73
60 key 71
16 key 74
56 key 72
20 key 74
60 key 71
30 key 74
1 press 16
end 611
)";

// Two walkers sent off with left clicks, 100 more added at random with A (0).
const std::string ARENA_SCRIPT = R"(vantle-record 2
seed 11
frame_time 10
window 80 24
game
100
1 click 0 390 272 button 0 mouse 390 272
1 click 0 646 336
40
1 press 0 key 0
150
1 press 16
end 294
)";

/// The log's messages with their frame numbers, less what differs between
/// runs: the time, "Can't keep up!" lines and addresses.
std::vector<std::string> comparable(const std::string& log) {
  std::vector<std::string> kept;
  for (std::string line : vt_test::readLines(log)) {
    if (line.size() <= 9 || line.find("Can't keep up!") != std::string::npos) continue;
    for (std::size_t at = line.find("0x"); at != std::string::npos; at = line.find("0x", at + 2))
      line.erase(at + 2, line.find_first_not_of("0123456789abcdef", at + 2) - at - 2);
    kept.push_back(line.substr(9));
  }
  return kept;
}

/// Runs the program with options in the working folder; its exit status.
int run(const Game& game, const std::string& options) {
  return vt_test::shell(std::string("env -u ALSOFT_DRIVERS ") + game.program + " " + options +
                        " >/dev/null 2>stderr.txt");
}

class ReplayTest : public vt_test::InTempDir {};

}  // namespace

TEST_F(ReplayTest, ARecordedRunReplaysToTheSameEndAndLog) {
  REQUIRE_DISPLAY();
  const Game games[] = {{"maze", MAZE_PROGRAM, "MAZE_STAGE_DIR", "headless:true,\nframe_time:0,\n",
                         MAZE_SCRIPT, "Hero::Hero(): Warning! Sprite 'hero idle' not found", 3},
                        {"arena", ARENA_PROGRAM, "ARENA_STAGE_DIR", "frame_time:10,\n",
                         ARENA_SCRIPT, "PathFind::cycleOnce(): done. FOUND.", 2}};
  std::string home = dir;
  for (const Game& game : games) {
    SCOPED_TRACE(game.name);
    const char* stage = std::getenv(game.stage);
    ASSERT_TRUE(stage) << game.stage << " not set";
    std::filesystem::create_directory(home + "/" + game.name);
    std::filesystem::current_path(home + "/" + game.name);
    for (const char* item : {"sprites", "sounds", "vt-font.ttf"})
      if (std::filesystem::exists(std::string(stage) + "/" + item))
        std::filesystem::copy(std::string(stage) + "/" + item, item,
                              std::filesystem::copy_options::recursive);
    std::filesystem::remove("sprites/HeroSprite.txt");
    vt_test::writeFile("vt-config.txt", game.config);
    vt_test::writeFile("script.txt", game.script);

    std::vector<std::string> logs[2];
    const char* const options[] = {"--replay script.txt --record first.txt",
                                   "--replay first.txt --record second.txt"};
    for (int i = 0; i < 2; i++) {
      ASSERT_EQ(run(game, options[i]), 0);
      logs[i] = comparable("vantle.log");
      EXPECT_EQ(vt_test::readFile("stderr.txt"), "");
    }
    EXPECT_EQ(vt_test::readFile("first.txt"), vt_test::readFile("second.txt"));
    EXPECT_EQ(logs[0], logs[1]);
    int signs = 0;
    for (const std::string& line : logs[0]) signs += line.substr(5) == game.sign;
    EXPECT_EQ(signs, game.signs);
    EXPECT_EQ(vt_test::count(logs[0],
                             "   0 ResourceManager::startUp(): No audio device can be opened; "
                             "sound is off."),
              1);

    std::size_t head = game.script.find('\n', game.script.find("\ngame") + 1) + 1;
    vt_test::writeFile("bad.txt", game.script.substr(0, head) + "\n2 key 71\n1 kee 71\n");
    EXPECT_EQ(run(game, "--replay bad.txt"), 1);
    std::vector<std::string> said = vt_test::readLines("stderr.txt");
    EXPECT_EQ(said.empty() ? "" : said.back(),
              std::string(game.name) +
                  ": InputManager::openRunFiles(): Replay file 'bad.txt' refused, line 8: "
                  "unknown word 'kee'. See the log 'vantle.log'.");
  }
}

// A headless maze run recorded, then replayed: what the run depends on and
// does not match is refused at start, an end that differs ends with status
// 1, and a replay recorded over its own file and killed leaves it whole.
TEST_F(ReplayTest, AReplayThatCannotMatchEndsWithOneAndAKilledOneLeavesItsFileWhole) {
  vt_test::writeFile("m.maze", "time 30\nhero 5 5\n");
  // Started with the frame time and options; one that plays is waited for
  // until its frames run.
  auto runs = [](const std::string& frame_time, std::vector<std::string> options, bool plays) {
    vt_test::writeFile("vt-config.txt", "headless:true,\nframe_time:" + frame_time + ",\n");
    std::filesystem::remove("vantle.log");
    options.insert(options.begin(), MAZE_PROGRAM);
    int pid = vt_test::startProgram(options, "stderr.txt");
    EXPECT_TRUE(!plays || vt_test::within(30, [] {
      return vt_test::contains(vt_test::logMessages(), "GraphicsManager not started!");
    }));
    return pid;
  };
  int pid = runs("10", {"--record", "r.txt"}, true);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  kill(pid, SIGTERM);
  ASSERT_EQ(vt_test::finishProgram(pid, 30), 0);
  const std::string recorded = vt_test::readFile("r.txt");
  std::size_t end = recorded.rfind("\nend ");
  ASSERT_NE(end, std::string::npos);
  vt_test::writeFile("cut.txt", recorded.substr(0, end + 1));
  vt_test::writeFile("changed.txt",
                     recorded.substr(0, recorded.size() - 17) + "0123456789abcdef\n");
  pid = runs("10", {"--replay", "r.txt", "--record", "r.txt"}, true);
  kill(pid, SIGKILL);
  vt_test::finishProgram(pid, 30);
  EXPECT_EQ(vt_test::readFile("r.txt"), recorded);

  const std::string refused = "maze: InputManager::openRunFiles(): Replay file ";
  const std::tuple<std::string, std::vector<std::string>, int, std::string> cases[] = {
      {"10", {"--replay", "r.txt", "--record", "r.txt"}, 0, ""},
      {"20",
       {"--replay", "r.txt"},
       1,
       refused + "'r.txt' does not fit this run: its 'frame_time' is 10, this run's is 20. See "
                 "the log 'vantle.log'."},
      {"10",
       {"--replay", "r.txt", "--maze", "m.maze"},
       1,
       refused + "'r.txt' does not fit this run: its 'game' is 'maze built-in "},
      {"10", {"--replay", "changed.txt"}, 1, "maze: The replay of 'changed.txt' ends after "},
      {"10",
       {"--replay", "cut.txt"},
       1,
       refused + "'cut.txt' refused, line " +
           std::to_string(std::count(recorded.begin(), recorded.end(), '\n')) +
           ": no 'end' line: the recording was cut short."}};
  for (const auto& [frame_time, options, status, said] : cases) {
    SCOPED_TRACE(options[1]);
    EXPECT_EQ(vt_test::finishProgram(runs(frame_time, options, false), 60), status);
    std::vector<std::string> lines = vt_test::readLines("stderr.txt");
    EXPECT_EQ(lines.empty() ? "" : lines.back().substr(0, said.size()), said);
  }
  EXPECT_EQ(vt_test::readFile("r.txt"), recorded);
}
