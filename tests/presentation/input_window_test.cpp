#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "InputTestSupport.h"
#include "XServer.h"

using namespace vt_test;

namespace {
// The input manager on the default 1024 x 768 window of 80 x 24 cells,
// 12.8 x 32 pixels each.
class InputWindowTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    REQUIRE_DISPLAY();
    stageFont();
    startPlainLog();
    vt::LogManager::getInstance().setLogLevel(2);
    vt::WorldManager::getInstance().startUp();
    ASSERT_EQ(vt::GraphicsManager::getInstance().startUp(), 0);
    ASSERT_EQ(input.startUp(), 0);
    p_recorder = new input_test::Recorder;
  }
  void TearDown() override {
    input.setInputSource(nullptr);
    input.shutDown();
    vt::GraphicsManager::getInstance().shutDown();
    vt::WorldManager::getInstance().shutDown();
    vt::LogManager::getInstance().shutDown();
    InTempDir::TearDown();
  }

  // Runs input frames until done says so, for at most about five seconds.
  void runFramesUntil(const std::function<bool()>& done) {
    for (int frame = 0; frame < 500 && !done(); frame++) {
      input.getInput();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  vt::InputManager& input = vt::InputManager::getInstance();
  input_test::Recorder* p_recorder = nullptr;
};
}  // namespace

TEST_F(InputWindowTest, MousePositionsAreWindowCells) {
  EXPECT_TRUE(
      contains(readLines("vantle.log"), "InputManager::startUp(): Keyboard repeated disabled."));
  input_test::ScriptedInput script;
  input.setInputSource(&script);
  script.add(sf::Event::MouseMoved, 0, 64, 96);
  script.add(sf::Event::MouseButtonPressed, sf::Mouse::Right, 64, 96);
  script.buttons = {sf::Mouse::Right};
  script.mouse = {64, 96};
  input.getInput();
  ASSERT_EQ(p_recorder->seen, (std::vector<std::string>{"moved -1", "clicked 1", "held 1"}));
  for (vt::Vector position : p_recorder->positions) EXPECT_EQ(position, vt::Vector(5, 3));
}

TEST_F(InputWindowTest, ARealKeyIsPressedHeldAndReleased) {
  // X is a key the game ignores: windowed tests running beside this one may see it held.
  p_recorder->unregisterInterest(vt::MOUSE_EVENT);
  sf::RenderWindow& window = *vt::GraphicsManager::getInstance().getWindow();
  auto saw = [this](const char* note) { return p_recorder->saw(note); };
  // Without a window manager a closing window leaves the focus to whatever
  // is under the pointer: a press or release lost to another window is tried again.
  bool done = false;
  for (int attempt = 0; attempt < 10 && !done; attempt++) {
    p_recorder->seen.clear();
    if (!focusWindow(static_cast<unsigned long>(window.getSystemHandle()))) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      continue;
    }
    ASSERT_TRUE(xdotool("keydown x"));
    runFramesUntil([&] { return saw("down 59") || !window.hasFocus(); });
    ASSERT_TRUE(xdotool("keyup x"));
    runFramesUntil([&] { return saw("released 59") || !window.hasFocus(); });
    done = saw("pressed 59") && saw("down 59") && saw("released 59");
  }
  ASSERT_TRUE(done) << "seen: " << testing::PrintToString(p_recorder->seen);
  // Key repeat is off: the server's repeats while the key is held are no presses.
  std::vector<std::string>& seen = p_recorder->seen;
  EXPECT_EQ(seen.front(), "pressed 59");
  EXPECT_EQ(seen.back(), "released 59");
  EXPECT_EQ(count(seen, "down 59"), static_cast<int>(seen.size()) - 2);
}
namespace {
class CloseWindowTest : public InTempDir {};

// Ends the game after 300 frames in case the close request never arrives.
class Deadline : public vt::Object {
 public:
  Deadline() { registerInterest(vt::STEP_EVENT); }
  int eventHandler(const vt::Event* p_e) override {
    if (static_cast<const vt::EventStep*>(p_e)->getStepCount() >= 300)
      vt::GameManager::getInstance().setGameOver();
    return 1;
  }
};
}  // namespace

TEST_F(CloseWindowTest, TheWindowsCloseButtonEndsTheGameLoop) {
  REQUIRE_DISPLAY();
  stageFont();
  writeFile("vt-config.txt", "frame_time:10,\n");
  vt::GameManager& game = vt::GameManager::getInstance();
  ASSERT_EQ(game.startUp(), 0);
  vt::LogManager::getInstance().setLogLevel(1);
  new Deadline;
  sf::RenderWindow* p_window = vt::GraphicsManager::getInstance().getWindow();
  ASSERT_TRUE(requestClose(static_cast<unsigned long>(p_window->getSystemHandle())));
  game.run();
  EXPECT_LT(game.getStepCount(), 300);
  game.shutDown();
  EXPECT_TRUE(
      contains(logMessages(), "InputManager::getInput(): Window close event. Setting game over."));
}
