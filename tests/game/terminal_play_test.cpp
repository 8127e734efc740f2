// The maze played in a terminal without any display: the real program in
// tmux panes, driven with tmux's keys and read back from the pane; and level
// 1 drawn in the test itself on a pseudo-terminal, as the screen to expect.

#include <csignal>

#include "GameTestSupport.h"
#include "PseudoTerminal.h"
#include "TmuxPane.h"

using namespace game_test;
using Rows = std::vector<std::string>;

namespace {

class TerminalPlayTest : public vt_test::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    for (const char* item : {"sprites", "sounds", "mazes"})
      std::filesystem::create_directory_symlink(stageDir() + "/" + item, item);
  }
  void TearDown() override {
    pane.stop();
    InTempDir::TearDown();
  }

  /// Level 1's rows on the engine's screen of cells in an 80 x 24 terminal,
  /// and whether the terminal's mode was as before after shut-down.
  Rows levelOneScreen(bool& mode_kept) {
    vt_test::writeFile("vt-config.txt", "display:terminal,\nframe_time:0,\n");
    vt_test::PseudoTerminal terminal;
    Rows rows;
    if (!terminal.open(80, 24)) return rows;
    termios before = terminal.mode();
    vt::GameManager& game = vt::GameManager::getInstance();
    if (game.startUp() == 0) {
      loadGameResources();
      setWorldSize();
      buildLevel(1);
      game.runFrame();
      game.runFrame();
      for (int y = 0; y < 24; y++)
        rows.push_back(vt::GraphicsManager::getInstance().getScreen().getRow(y));
    }
    game.shutDown();
    termios after = terminal.mode();
    mode_kept =
        before.c_lflag == after.c_lflag && before.c_iflag == after.c_iflag &&
        before.c_oflag == after.c_oflag &&
        within(5, [&] { return terminal.written().find("\x1b[?1049l") != std::string::npos; });
    terminal.close();
    std::filesystem::remove("vt-config.txt");
    return rows;
  }

  /// Starts the maze in the terminal without a display, with more options
  /// and environment, in a pane of that size; its process id, its status
  /// and the terminal's mode before and after it go to files.
  bool play(int columns, int rows, const std::string& more = "", const std::string& env = "") {
    std::filesystem::remove("after.txt");
    if (!pane.start(columns, rows)) return false;
    pane.run("stty -g >before.txt; sh -c 'echo $$ >game.pid; exec env -u DISPLAY " + env + " " +
             MAZE_PROGRAM + " --terminal " + more + "'; echo $? >status.txt; stty -g >after.txt");
    return true;
  }

  /// The program's exit status once it ended, -1 if it did not within 30 s.
  int status() {
    bool ended = within(30, [] { return !vt_test::readFile("after.txt").empty(); });
    return ended ? std::atoi(vt_test::readFile("status.txt").c_str()) : -1;
  }

  /// Whether the terminal is back as it was: main screen, cursor shown, no
  /// mouse reports, the same mode.
  void expectGivenBack() {
    EXPECT_EQ(pane.show("#{alternate_on} #{cursor_flag} #{mouse_any_flag}"), "0 1 0");
    EXPECT_EQ(vt_test::readFile("before.txt"), vt_test::readFile("after.txt"));
  }

  /// Taps key as a player would and waits until the hero moves; where it
  /// is, or -1, -1. Taps quicker than key repeats would be taken for them.
  std::pair<int, int> step(const std::string& key) {
    std::pair<int, int> from = vt_test::find(pane.capture(), "@"), to = from;
    auto next_tap = std::chrono::steady_clock::now() + std::chrono::milliseconds(250);
    pane.send(key);
    within(2, [&] { return (to = vt_test::find(pane.capture(), "@")) != from; });
    std::this_thread::sleep_until(next_tap);
    return to;
  }

  vt_test::TmuxPane pane;
};

// Digits masked, as the countdown runs on, and trailing blanks cut, as a
// pane is read without them.
std::string masked(std::string row) {
  for (char& c : row) c = std::isdigit(static_cast<unsigned char>(c)) ? '#' : c;
  return row.erase(row.find_last_not_of(' ') + 1);
}

}  // namespace

TEST_F(TerminalPlayTest, TheProgramShowsLevelOneAsItsScreenMovesTheHeroAndQuitsOnQ) {
  bool mode_kept = false;
  Rows expected = levelOneScreen(mode_kept);
  ASSERT_EQ(expected.size(), 24u);
  EXPECT_TRUE(mode_kept) << "the terminal's mode or screen was not given back";
  struct Size {
    int columns, rows;
    std::string options, environment, cyan;  // the hero's colour as tmux reads it back
  };
  for (const Size& size : {Size{80, 24, "--record run.txt", "", "\x1b[36m@"},
                           Size{100, 30, "", "COLORTERM=truecolor", "\x1b[38;2;0;255;255m@"}}) {
    SCOPED_TRACE(std::to_string(size.columns) + " x " + std::to_string(size.rows));
    ASSERT_TRUE(play(size.columns, size.rows, size.options, size.environment));
    ASSERT_TRUE(pane.waitFor("Keys Remaining", 60));
    Rows shown = pane.capture();
    ASSERT_EQ(shown.size(), static_cast<std::size_t>(size.rows));
    std::size_t left = static_cast<std::size_t>(size.columns - 80) / 2;
    std::size_t top = static_cast<std::size_t>(size.rows - 24) / 2;
    for (std::size_t y = 0; y < 24; y++)
      EXPECT_EQ(masked(shown[top + y].substr(std::min(left, shown[top + y].size()))),
                masked(expected[y]))
          << "row " << y;
    EXPECT_GE(vt_test::find(pane.capture(true), size.cyan).first, 0);
    std::pair<int, int> start = vt_test::find(shown, "@"), at = start;
    for (const char* key : {"a", "a", "a", "Up"}) at = step(key);
    EXPECT_EQ(at, std::make_pair(start.first - 1, start.second - 3));
    pane.send("q");
    EXPECT_EQ(status(), 0);
    expectGivenBack();
    pane.stop();
  }
  // The first run, recorded, replays and ends as it did.
  ASSERT_TRUE(play(80, 24, "--replay run.txt"));
  EXPECT_EQ(status(), 0);
  expectGivenBack();
}

// A terminal too small says so until it is resized; what SFML says on
// standard error about sounds it cannot read goes to the log meanwhile.
TEST_F(TerminalPlayTest, ASmallTerminalSaysTheSizeNeededAndStandardErrorGoesToTheLog) {
  std::filesystem::remove("sounds");
  std::filesystem::create_directory("sounds");
  vt_test::writeFile("sounds/collect_coin.wav", "not a sound");
  ASSERT_TRUE(play(60, 20));
  EXPECT_TRUE(pane.waitFor("Please enlarge the terminal to 80 x 24 (now 60 x 20).", 60));
  EXPECT_EQ(vt_test::find(pane.capture(), "Please").first, 0);
  pane.resize(80, 24);
  EXPECT_TRUE(pane.waitFor("Keys Remaining", 10));
  EXPECT_EQ(vt_test::find(pane.capture(), "Please").first, -1);
  EXPECT_EQ(vt_test::find(pane.capture(), "Failed").first, -1);
  pane.send("q");
  EXPECT_EQ(status(), 0);
  expectGivenBack();
  EXPECT_TRUE(vt_test::contains(vt_test::logMessages("vantle.log"),
                                "SFML: Failed to open sound file from stream (format not supported)"));
}

// The hero is steered through first-steps.maze by its place in the pane:
// along the top to above the key, down to it, back to above the door, down
// and into it.
TEST_F(TerminalPlayTest, FirstStepsIsPlayedToItsEndThroughTheTerminal) {
  ASSERT_TRUE(play(80, 24, "--maze mazes/first-steps.maze"));
  ASSERT_TRUE(pane.waitFor("@", 60));
  // Rows and columns from the door's left end, wherever the view shows it.
  const std::pair<int, int> waypoints[] = {{-9, 9}, {-5, 9}, {-5, 2}, {-1, 2}, {0, 2}};
  std::size_t next = 0;
  bool complete = false;
  for (int steps = 0; steps < 200 && !complete; steps++) {
    Rows rows = pane.capture();
    auto [door_row, door_column] = vt_test::find(rows, "[===]");
    auto [row, column] = vt_test::find(rows, "@");
    int dy = waypoints[next].first - (row - door_row);
    int dx = waypoints[next].second - (column - door_column);
    if (dx == 0 && dy == 0 && next + 1 < std::size(waypoints) && ++next) continue;
    step(dx > 0 ? "d" : dx < 0 ? "a" : dy > 0 ? "s" : "w");
    complete = pane.waitFor("Level 1 complete", next + 1 < std::size(waypoints) ? 0 : 1);
  }
  EXPECT_TRUE(complete) << "the hero did not get through the door";
  pane.send("q");
  EXPECT_EQ(status(), 0);
  expectGivenBack();
}

// Stopped by a signal or a key, suspended and continued, or crashed, the
// program gives the terminal back.
TEST_F(TerminalPlayTest, SignalsAndKeysThatEndOrStopTheProgramGiveTheTerminalBack) {
  struct Row {
    int signal;       // sent to the program, 0 for none
    const char* key;  // or typed
    bool ends_well;   // the status is 0, else not
  };
  for (const Row& row : {Row{SIGTERM, "", true}, Row{SIGINT, "", true}, Row{0, "C-c", true},
                         Row{SIGSEGV, "", false}, Row{0, "C-z", true}}) {
    SCOPED_TRACE(std::string("signal ") + std::to_string(row.signal) + ", key " + row.key);
    ASSERT_TRUE(play(80, 24));
    ASSERT_TRUE(pane.waitFor("Keys Remaining", 60));
    if (row.signal) kill(std::atoi(vt_test::readFile("game.pid").c_str()), row.signal);
    if (*row.key) pane.send(row.key);
    if (std::string(row.key) == "C-z") {
      // Back at the shell as it was, then back in the game, drawn again.
      EXPECT_NE(status(), 0);
      expectGivenBack();
      std::filesystem::remove("after.txt");
      pane.run("fg; echo $? >status.txt; stty -g >after.txt");
      EXPECT_TRUE(pane.waitFor("Keys Remaining", 10));
      pane.send("q");
    }
    int ended = status();
    EXPECT_EQ(ended == 0, row.ends_well) << "status " << ended;
    expectGivenBack();
    pane.stop();
  }
}
