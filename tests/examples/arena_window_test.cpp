
#include "../game/GameTestSupport.h"

using namespace game_test;

namespace {

// The default window: 1024 by 768 pixels of 80 by 24 cells.
const float CELL_WIDTH = 1024.0f / 80;
const float CELL_HEIGHT = 768.0f / 24;

/// Whether a pixel around a cell's top-left corner, a cell either way, passes test.
bool near(const sf::Image& image, float x, float y, bool (*test)(sf::Color)) {
  float right = std::min((x + 2) * CELL_WIDTH, static_cast<float>(image.getSize().x));
  float bottom = std::min((y + 1.5f) * CELL_HEIGHT, static_cast<float>(image.getSize().y));
  for (float py = std::max((y - 0.5f) * CELL_HEIGHT, 0.0f); py < bottom; py++)
    for (float px = std::max((x - 1) * CELL_WIDTH, 0.0f); px < right; px++)
      if (test(image.getPixel(static_cast<unsigned>(px), static_cast<unsigned>(py)))) return true;
  return false;
}

class ArenaProgramTest : public ProgramTest {
 protected:
  void clickCell(float x, float y) {
    vt_test::xdotool("mousemove --window " + window + " " +
                     std::to_string(static_cast<int>((x + 0.5f) * CELL_WIDTH)) + " " +
                     std::to_string(static_cast<int>((y + 0.5f) * CELL_HEIGHT)) + " click 1");
  }
};

}  // namespace

// The real program in a copy of its staged folder: clicks send walkers off
// around the walls with targets marked, Q ends the program. With VANTLE_SCREENSHOT_DIR set, the
// picture of the walkers on their way is kept there as arena.png.
TEST_F(ArenaProgramTest, ClicksSendWalkersAndQEndsIt) {
  REQUIRE_DISPLAY();
  const char* stage = std::getenv("ARENA_STAGE_DIR");
  ASSERT_TRUE(launch(stage ? stage : "", {"sprites", "vt-font.ttf"}, ARENA_PROGRAM, "Arena"))
      << "no window named Arena";
  // Any key ends the splash screen; the walkers then stand in their corners.
  ASSERT_TRUE(within(30, [&] {
    key("space");
    return shoot() && near(shot, 2, 4, isCyan) && near(shot, 77, 4, isCyan);
  })) << "no walkers in the top corners";

  clickCell(30, 8);
  clickCell(50, 10);
  bool on_their_way = within(30, [&] {
    return shoot() && !near(shot, 2, 4, isCyan) && !near(shot, 77, 4, isCyan) &&
           near(shot, 30, 8, isYellow) && near(shot, 50, 10, isYellow);
  });
  if (const char* keep = std::getenv("VANTLE_SCREENSHOT_DIR"))
    shot.saveToFile(std::string(keep) + "/arena.png");
  ASSERT_TRUE(on_their_way) << "walkers did not set off, or the targets are not marked";

  key("q");
  ASSERT_TRUE(endsCleanly()) << "Q did not end the program with status 0: " << status;
  for (const std::string& line : vt_test::logMessages())
    EXPECT_EQ(line.find("Cannot open file"), std::string::npos) << line;
}
