// The game's pictures: each level drawn into the engine's window, and the
// real program's window, read back from the X server.
#include <gtest/gtest.h>

#include <string>

#include "GameTestSupport.h"

using namespace game_test;

namespace {

bool isWhite(sf::Color c) { return c.r > 200 && c.g > 200 && c.b > 200; }

/// How many pixels of the rectangle satisfy test.
int countPixels(const sf::Image& image, unsigned left, unsigned top, unsigned right,
                unsigned bottom, bool (*test)(sf::Color)) {
  int n = 0;
  for (unsigned y = top; y < std::min(bottom, image.getSize().y); y++)
    for (unsigned x = left; x < std::min(right, image.getSize().x); x++)
      n += test(image.getPixel(x, y));
  return n;
}

/// Yellow at the top left, top centre (if wanted) and top right.
bool hasYellowDisplays(const sf::Image& image, unsigned row_height, bool keys_display) {
  unsigned w = image.getSize().x, top = 2 * row_height;
  return countPixels(image, 0, 0, w * 3 / 10, top, isYellow) > 0 &&
         (countPixels(image, w * 4 / 10, 0, w * 6 / 10, top, isYellow) > 0) == keys_display &&
         countPixels(image, w * 7 / 10, 0, w, top, isYellow) > 0;
}

class LevelPictureTest : public GameTest {
 protected:
  bool withWindow() const override { return true; }
  void SetUp() override {
    REQUIRE_DISPLAY();
    GameTest::SetUp();
  }
  void TearDown() override {
    if (!dir.empty()) GameTest::TearDown();  // else skipped before its folder was made
  }
};

using ProgramWindowTest = ProgramTest;

}  // namespace

// Draws one frame of each level into the window and reads it back. With
// VANTLE_SCREENSHOT_DIR set the pictures are kept there as level-N.png.
TEST_F(LevelPictureTest, EachLevelShowsItsMazeHeroAndYellowDisplays) {
  if (HasFatalFailure() || IsSkipped()) return;
  sf::RenderWindow* p_window = vt::GraphicsManager::getInstance().getWindow();
  ASSERT_NE(p_window, nullptr);
  auto cw = static_cast<unsigned>(vt::charWidth()) + 1,
       ch = static_cast<unsigned>(vt::charHeight()) + 1;
  for (int level = 1; level <= 6; level++) {
    SCOPED_TRACE("level " + std::to_string(level));
    clearLevel();
    vt::WorldManager::getInstance().update();
    buildLevel(level);
    vt::WorldManager::getInstance().draw();
    sf::Image image = vt_test::captureWindow(*p_window);
    vt::GraphicsManager::getInstance().swapBuffers();
    if (const char* keep = std::getenv("VANTLE_SCREENSHOT_DIR"))
      image.saveToFile(std::string(keep) + "/level-" + std::to_string(level) + ".png");
    EXPECT_TRUE(hasYellowDisplays(image, ch, level != 6)) << "Level, Keys Remaining, Time";
    EXPECT_GT(countPixels(image, 0, 0, image.getSize().x, image.getSize().y, isWhite), 100)
        << "walls";
    vt::Vector at = vt::spacesToPixels(vt::worldToView(hero()->getPosition()));
    auto hx = static_cast<unsigned>(at.getX()), hy = static_cast<unsigned>(at.getY());
    EXPECT_GT(countPixels(image, hx, hy, hx + cw, hy + ch, isCyan), 0) << "hero";
  }
}

// The real program in a copy of its staged folder: level 1 appears with its
// displays, Q ends it cleanly and nothing it needs was missing.
TEST_F(ProgramWindowTest, TheProgramShowsLevelOneAndQuitsOnQ) {
  REQUIRE_DISPLAY();
  ASSERT_TRUE(launch(stageDir(), {"sprites", "sounds", "vt-font.ttf"}, MAZE_PROGRAM, "Vantle"))
      << "no window named Vantle";
  ASSERT_TRUE(within(30, [&] { return shoot() && hasYellowDisplays(shot, 768 / 24, true); }))
      << "no yellow displays at the top of the window";
  key("q");
  ASSERT_TRUE(endsCleanly()) << "Q did not end the program with status 0: " << status;
  std::vector<std::string> log = vt_test::readLines("vantle.log");
  EXPECT_FALSE(log.empty());
  for (const std::string& line : log)
    for (const char* missing : {"Cannot open file", "Cannot load", "Warning! Sprite"})
      EXPECT_EQ(line.find(missing), std::string::npos) << line;
}
