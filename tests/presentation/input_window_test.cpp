// The engine on a real window: sized as configured, a real key, the close
// button. (The arena's replayed run clicks real cells.)

#include "InputTestSupport.h"
#include "XServer.h"

using namespace vt_test;

namespace {

// The engine with its window of 60 by 20 cells; the log is read back.
class InputWindowTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    REQUIRE_DISPLAY();
    stageFont();
    writeFile("vt-config.txt",
              "frame_time:10,\nwindow_horizontal_chars:60,window_vertical_chars:20,\n");
    ASSERT_EQ(game.startUp(), 0);
    vt::LogManager::getInstance().setLogLevel(1);
    vt::LogManager::getInstance().setFlush(true);
  }
  void TearDown() override {
    if (game.isStarted()) game.shutDown();
    InTempDir::TearDown();
  }
  vt::GameManager& game = vt::GameManager::getInstance();
};

}  // namespace

// Key repeat is off: the server's repeats while the key is held are no
// presses. X is a key the game ignores, should windowed tests beside this
// one see it held.
TEST_F(InputWindowTest, ARealKeyIsPressedOnceHeldAndReleased) {
  vt::InputManager& input = vt::InputManager::getInstance();
  auto* p_recorder = new input_test::Recorder;
  p_recorder->unregisterInterest(vt::MOUSE_EVENT);
  sf::RenderWindow& window = *vt::GraphicsManager::getInstance().getWindow();
  std::vector<std::string>& seen = p_recorder->seen;
  // Input frames until note is seen (without one, frames of them) or the focus is lost.
  auto run = [&](const char* note, int frames = 500) {
    for (int i = 0; i < frames && !(note && contains(seen, note)) && window.hasFocus(); i++) {
      input.getInput();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  };
  // Without a window manager a closing window leaves the focus to whatever
  // is under the pointer: a press or release lost to another window is tried again.
  auto done = [&] {
    return contains(seen, "pressed 59") && contains(seen, "down 59") &&
           contains(seen, "released 59");
  };
  for (int attempt = 0; attempt < 10 && !done(); attempt++) {
    seen.clear();
    if (!focusWindow(static_cast<unsigned long>(window.getSystemHandle()))) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      continue;
    }
    ASSERT_TRUE(xdotool("keydown x"));
    run("down 59");
    run(nullptr, 100);  // held past the server's delay before it repeats
    ASSERT_TRUE(xdotool("keyup x"));
    run("released 59");
  }
  ASSERT_TRUE(done()) << testing::PrintToString(seen);
  EXPECT_TRUE(seen.front() == "pressed 59" && seen.back() == "released 59");
  EXPECT_EQ(count(seen, "down 59"), static_cast<int>(seen.size()) - 2);
}

// The world's view takes the window's size in characters.
TEST_F(InputWindowTest, TheWindowsCloseButtonEndsTheGame) {
  vt::Box view = vt::WorldManager::getInstance().getView();
  EXPECT_TRUE(view.getHorizontal() == 60 && view.getVertical() == 20);
  sf::RenderWindow* p_window = vt::GraphicsManager::getInstance().getWindow();
  ASSERT_TRUE(requestClose(static_cast<unsigned long>(p_window->getSystemHandle())));
  for (int i = 0; i < 300 && !game.getGameOver(); i++) game.runFrame();
  EXPECT_TRUE(
      contains(logMessages(), "InputManager::getInput(): Window close event. Setting game over."));
}
