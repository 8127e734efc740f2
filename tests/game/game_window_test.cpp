// The real program in its window, driven and read back from the X server.

#include "GameTestSupport.h"

using namespace game_test;

namespace {

bool isWhite(sf::Color c) { return c.r > 200 && c.g > 200 && c.b > 200; }
bool isYellow(sf::Color c) { return c.r > 200 && c.g > 200 && c.b < 90; }
bool isCyan(sf::Color c) { return c.r < 90 && c.g > 200 && c.b > 200; }

/// How many pixels of the rectangle from x0 to x1 and the top to y1 pass test.
int countPixels(const sf::Image& image, unsigned x0, unsigned x1, unsigned y1,
                bool (*test)(sf::Color)) {
  int n = 0;
  for (unsigned y = 0; y < std::min(y1, image.getSize().y); y++)
    for (unsigned x = x0; x < std::min(x1, image.getSize().x); x++) n += test(image.getPixel(x, y));
  return n;
}

/// Level 1 in the default 1024 x 768 window: yellow displays at the top
/// left, centre and right, white walls and the cyan hero.
bool showsLevelOne(const sf::Image& image) {
  unsigned w = image.getSize().x, top = 2 * 768 / 24;
  return countPixels(image, 0, w * 3 / 10, top, isYellow) > 0 &&
         countPixels(image, w * 4 / 10, w * 6 / 10, top, isYellow) > 0 &&
         countPixels(image, w * 7 / 10, w, top, isYellow) > 0 &&
         countPixels(image, 0, w, 768, isWhite) > 100 && countPixels(image, 0, w, 768, isCyan) > 0;
}

using ProgramWindowTest = ProgramTest;

}  // namespace

// In a copy of its staged folder: level 1 appears, Q ends the program
// cleanly and nothing it needs was missing. With VANTLE_SCREENSHOT_DIR set,
// the picture is kept there as maze.png.
TEST_F(ProgramWindowTest, TheProgramShowsLevelOneAndQuitsOnQ) {
  REQUIRE_DISPLAY();
  ASSERT_TRUE(launch(stageDir(), {"sprites", "sounds", "vt-font.ttf"}, MAZE_PROGRAM, "Vantle"))
      << "no window named Vantle";
  bool shown = within(30, [&] { return shoot() && showsLevelOne(shot); });
  if (const char* keep = std::getenv("VANTLE_SCREENSHOT_DIR"))
    shot.saveToFile(std::string(keep) + "/maze.png");
  ASSERT_TRUE(shown) << "no displays, walls or hero in the window";
  key("q");
  ASSERT_TRUE(endsCleanly()) << "Q did not end the program with status 0: " << status;
  std::vector<std::string> log = vt_test::readLines("vantle.log");
  EXPECT_FALSE(log.empty());
  for (const std::string& line : log)
    for (const char* missing : {"Cannot open file", "Cannot load", "Warning! Sprite"})
      EXPECT_EQ(line.find(missing), std::string::npos) << line;
}
