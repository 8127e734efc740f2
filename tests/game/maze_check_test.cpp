// The program's --check on every shipped maze and on every built-in level
// it exports, which can all be won, and on mazes that cannot or that it
// refuses; --maze on one that cannot be won; the command line's faults.

#include <signal.h>

#include "GameTestSupport.h"

using namespace game_test;
namespace fs = std::filesystem;

namespace {

struct Case {
  std::string file;
  int status;
  std::string said;  // the last line on standard output, or else on standard error
};

class MazeCheckTest : public vt_test::InTempDir {
 protected:
  /// Runs the program in its staged folder; its status.
  int run(const std::string& options) {
    return vt_test::shell("cd '" + stageDir() + "' && timeout 120 " + MAZE_PROGRAM + " " + options +
                          " >'" + dir + "/out.txt' 2>'" + dir + "/err.txt'");
  }
  std::string said() {
    std::vector<std::string> lines = vt_test::readLines(dir + "/out.txt");
    if (lines.empty()) lines = vt_test::readLines(dir + "/err.txt");
    return lines.empty() ? "" : lines.back();
  }
};

}  // namespace

TEST_F(MazeCheckTest, ShippedMazesAndExportedLevelsCanBeWonAndWhatCannotBeReachedIsNamed) {
  ASSERT_FALSE(stageDir().empty()) << "MAZE_STAGE_DIR not set";
  const char* source = std::getenv("VANTLE_SOURCE_DIR");
  ASSERT_TRUE(source) << "VANTLE_SOURCE_DIR not set";
  const std::string can = ": every key and then the door can be reached.";
  std::vector<Case> cases;
  for (const fs::directory_entry& entry : fs::directory_iterator(std::string(source) + "/mazes"))
    cases.push_back({entry.path().string(), 0, entry.path().string() + can});
  EXPECT_GE(cases.size(), 3u);
  for (int level = 1; level <= LEVEL_COUNT; level++) {
    std::string file = dir + "/level-" + std::to_string(level) + ".maze";
    ASSERT_EQ(run("--export " + std::to_string(level)), 0);
    fs::rename(dir + "/out.txt", file);
    cases.push_back(
        {file, level < 6 ? 0 : 1, file + (level < 6 ? can : ": no door: the maze cannot be won.")});
  }
  // A wall across the walled world keeps the second key, or the door, from
  // the hero; without the walls around, it walks out of the world.
  const std::string open = "time 30\nhero 5 3\nkey 9 3\nwall horizontal 0 10 125 10\n";
  const std::string split = open + "wall horizontal 0 0 125 0\nwall horizontal 0 100 125 100\n" +
                            "wall vertical 0 1 0 99\nwall vertical 125 1 125 99\n";
  vt_test::writeFile("key.maze", split + "key 5 20\ndoor 20 3\n");
  vt_test::writeFile("door.maze", split + "door 20 20\n");
  vt_test::writeFile("bad.maze", "time 30\nhero 3 x\n");
  cases.push_back({dir + "/key.maze", 1, dir + "/key.maze: key 2 at (5, 20) cannot be reached."});
  cases.push_back(
      {dir + "/door.maze", 1, dir + "/door.maze: the door at (20, 20) cannot be reached."});
  cases.push_back({dir + "/bad.maze", 1,
                   "maze: " + dir +
                       "/bad.maze:2:8: expected y, a whole number from 0 to 100, found 'x'"});
  vt_test::writeFile("open.maze", open + "door 20 3\n");
  cases.push_back(
      {dir + "/open.maze", 1, dir + "/open.maze: the hero can walk out of the world from (5, 0)."});
  vt_test::makeFifo("pipe.maze");
  for (const char* name : {"/pipe.maze", "/none.maze"})
    cases.push_back({dir + name, 1,
                     "maze: " + dir + name + ": cannot be read: " +
                         (name[1] == 'p' ? "not a regular file" : "No such file or directory")});
  for (const Case& c : cases) {
    EXPECT_EQ(run("--check '" + c.file + "'"), c.status) << c.file;
    EXPECT_EQ(said(), c.said);
  }
}

TEST_F(MazeCheckTest, TheCommandLineListsWhatItTakesAndNamesWhatItDoesNot) {
  const std::string hint = " (maze --help lists the options)";
  const Case cases[] = {
      {"--help", 0, "      M mutes the sound, Q quits"},
      {"--frobnicate 3", 2, "maze: unknown option '--frobnicate'" + hint},
      {"--export 7", 2, "maze: --export takes a level from 1 to 6, not '7'" + hint},
      {"--maze", 2, "maze: --maze needs a FILE" + hint},
      {"--check a.maze --maze b.maze", 2, "maze: --check stands alone" + hint},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run(c.file), c.status) << c.file;
    EXPECT_EQ(said(), c.said);
  }
}

// What cannot be reached is said first; the game then plays, here until a
// signal ends it, past the splash screen's 90 frames.
TEST_F(MazeCheckTest, AMazeThatCannotBeWonIsSaidSoAndPlayedAllTheSame) {
  for (const char* item : {"sprites", "sounds"})
    fs::create_directory_symlink(stageDir() + "/" + item, item);
  vt_test::writeFile("vt-config.txt", "headless:true,\nframe_time:0,\n");
  vt_test::writeFile("shut.maze",
                     "time 30\nmap\n+-----------+\n|           |\n|   @       |\n|           |\n"
                     "|-----------|\n|           |\n+--[===]----+\nend\n");
  int pid = vt_test::startProgram({MAZE_PROGRAM, "--maze", "shut.maze"}, "err.txt");
  EXPECT_TRUE(within(60, [] {
    std::vector<std::string> log = vt_test::readLines("vantle.log");
    return !log.empty() && log.back().size() > 9 && std::atoi(log.back().c_str() + 9) >= 120;
  })) << "the game loop did not get going";
  kill(pid, SIGTERM);
  EXPECT_EQ(vt_test::finishProgram(pid, 30), 0);
  EXPECT_EQ(vt_test::readFile("err.txt"),
            "maze: shut.maze: the door at (5, 6) cannot be reached; it is played all the same.\n");
}
