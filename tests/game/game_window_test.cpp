// The real program in its window, driven and read back from the X server.

#include "GameTestSupport.h"
#include "XServer.h"

using namespace game_test;

namespace {

bool isWhite(sf::Color c) { return c.r > 200 && c.g > 200 && c.b > 200; }
bool isYellow(sf::Color c) { return c.r > 200 && c.g > 200 && c.b < 90; }
bool isCyan(sf::Color c) { return c.r < 90 && c.g > 200 && c.b > 200; }

/// Level 1 in the default 1024 x 768 window: yellow displays across the top
/// two rows (left, centre and right), white walls and the cyan hero.
bool showsLevelOne(const sf::Image& image) {
  std::set<unsigned> thirds;
  int white = 0, cyan = 0;
  for (unsigned y = 0; y < image.getSize().y; y++)
    for (unsigned x = 0; x < image.getSize().x; x++) {
      sf::Color c = image.getPixel(x, y);
      if (y < 64 && isYellow(c)) thirds.insert(3 * x / image.getSize().x);
      white += isWhite(c), cyan += isCyan(c);
    }
  return thirds.size() == 3 && white > 100 && cyan > 0;
}

// The program in a copy of its staged folder, stopped at the end if still running.
class ProgramWindowTest : public vt_test::InTempDir {
 protected:
  void TearDown() override {
    if (pid > 0) vt_test::finishProgram(pid, 0);
    InTempDir::TearDown();
  }

  /// Takes a picture of the window into shot; whether it could.
  bool shoot() {
    return std::system(("import -window " + window + " shot.png 2>/dev/null").c_str()) == 0 &&
           shot.loadFromFile("shot.png");
  }

  int pid = 0;
  std::string window;
  sf::Image shot;
};

}  // namespace

// Level 1 appears, Q ends the program cleanly and nothing it needs was
// missing. With VANTLE_SCREENSHOT_DIR set, the picture is kept there as maze.png.
TEST_F(ProgramWindowTest, TheProgramShowsLevelOneAndQuitsOnQ) {
  REQUIRE_DISPLAY();
  for (const char* item : {"sprites", "sounds", "vt-font.ttf"})
    std::filesystem::copy(stageDir() + "/" + item, item, std::filesystem::copy_options::recursive);
  pid = vt_test::startProgram({MAZE_PROGRAM});
  ASSERT_TRUE(within(30, [&] {
    std::system("xdotool search --name '^Vantle$' >window.txt 2>/dev/null");
    std::vector<std::string> found = vt_test::readLines("window.txt");
    return !(window = found.empty() ? "" : found[0]).empty();
  })) << "no window named Vantle";
  bool shown = within(30, [&] { return shoot() && showsLevelOne(shot); });
  if (const char* keep = std::getenv("VANTLE_SCREENSHOT_DIR"))
    shot.saveToFile(std::string(keep) + "/maze.png");
  ASSERT_TRUE(shown) << "no displays, walls or hero in the window";
  vt_test::xdotool("windowfocus " + window + " key --delay 100 q");
  int status = vt_test::finishProgram(pid, 20);
  pid = 0;
  ASSERT_EQ(status, 0) << "Q did not end the program with status 0";
  std::vector<std::string> log = vt_test::readLines("vantle.log");
  EXPECT_FALSE(log.empty());
  for (const std::string& line : log)
    for (const char* missing : {"Cannot open file", "Cannot load", "Warning! Sprite"})
      EXPECT_EQ(line.find(missing), std::string::npos) << line;
}

namespace {
class LevelScreenWindowTest : public GameTest {
 protected:
  bool windowed() const override { return true; }
};
}  // namespace

// What the player sees of level 1, read from the screen: the displays in
// the rows above the maze, the maze from its top wall down, the hero in it.
TEST_F(LevelScreenWindowTest, LevelOneReadsAsTheDisplaysAboveTheMazeWithTheHeroInside) {
  if (!vt::GameManager::getInstance().isStarted()) return;
  buildLevel(1);
  frame();
  frame();
  const vt::Screen& screen = vt::GraphicsManager::getInstance().getScreen();
  for (const char* text : {"Level 1", "Keys Remaining 1", "Time Remaining: "})
    EXPECT_NE(screen.getRow(1).find(text), std::string::npos) << text;
  int top = -1, hero_row = -1;
  for (int row = 0; row < screen.getHeight(); row++) {
    std::string line = screen.getRow(row);
    if (top < 0 && line.find("+---") != std::string::npos) top = row;
    if (line.find('@') != std::string::npos) hero_row = row;
  }
  EXPECT_EQ(top, static_cast<int>(VIEW_TOP));
  ASSERT_GT(hero_row, top);
  int hero_column = static_cast<int>(screen.getRow(hero_row).find('@'));
  EXPECT_EQ(screen.getCell(hero_column, hero_row).color, vt::CYAN);
  EXPECT_EQ(screen.getRow(hero_row)[screen.getRow(top).find('+')], '|') << "the maze's left wall";
}
