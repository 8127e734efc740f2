// The input manager fed from a script instead of a window; no display needed.

#include "InputTestSupport.h"

using namespace vt_test;
using Strings = std::vector<std::string>;
using K = sf::Keyboard;
using M = sf::Mouse;
using E = sf::Event;

namespace {
using InputTest = InTempDir;
}  // namespace

TEST_F(InputTest, EachFramesEventsComeInTheirOrder) {
  startPlainLog();
  vt::LogManager::getInstance().setLogLevel(1);
  vt::WorldManager::getInstance().startUp();
  vt::InputManager& input = vt::InputManager::getInstance();
  input_test::ScriptedInput script;
  input.setInputSource(&script);
  auto* p_recorder = new input_test::Recorder;
  auto frame = [&] {
    p_recorder->seen.clear();
    input.getInput();
    return p_recorder->seen;
  };
  // Queued events first, then held buttons, then held keys in poll order.
  script.press(K::W);
  script.add(E::MouseButtonPressed, M::Right);
  script.add(E::KeyReleased, K::Q);
  script.add(E::TextEntered);  // ignored
  script.add(E::MouseMoved);
  script.keys.insert({K::Num0, K::A, K::Down, K::Up, K::F1, K::Escape});
  script.buttons = {M::Middle, M::Right};
  EXPECT_EQ(frame(),
            (Strings{"pressed 58", "clicked 2", "released 52", "moved -1", "held 1", "held 2",
                     "down 6", "down 7", "down 2", "down 24", "down 36", "down 58", "down 71"}));
  // Held F11, F12 and unnamed keys are never down.
  script.keys = {K::W}, script.buttons.clear();
  for (K::Key key : {K::F11, K::F12, K::LAlt}) script.press(key);
  EXPECT_EQ(frame(), (Strings{"pressed 34", "pressed 35", "pressed 136", "down 58"}));
  // A click takes its button unless left, or else middle, is held.
  script.keys.clear();
  script.add(E::MouseButtonPressed, M::Left);
  script.buttons = {M::Left, M::Middle};
  EXPECT_EQ(frame(), (Strings{"clicked 2", "held 0", "held 2"}));
  script.add(E::MouseButtonPressed, M::Right);
  script.buttons = {M::Left, M::Right};
  EXPECT_EQ(frame(), (Strings{"clicked 0", "held 0", "held 1"}));
  script.buttons.clear();
  for (auto button : {M::Left, M::Middle, M::Right, M::XButton1})
    script.add(E::MouseButtonPressed, button);
  EXPECT_EQ(frame(), (Strings{"clicked 0", "clicked 2", "clicked 1", "clicked -1"}));
  // A close sets game over and leaves the rest of the frame for later.
  EXPECT_FALSE(vt::GameManager::getInstance().getGameOver());
  script.press(K::W);
  script.add(E::Closed);
  script.press(K::A);
  script.buttons = {M::Left};
  EXPECT_EQ(frame(), (Strings{"pressed 58"}));
  EXPECT_TRUE(vt::GameManager::getInstance().getGameOver());
  EXPECT_EQ(frame(), (Strings{"pressed 36", "held 0", "down 36", "down 58"}));
  input.setInputSource(nullptr);  // the graphics manager has no window
  EXPECT_EQ(frame(), Strings{});
  std::vector<std::string> log = readLines("vantle.log");
  EXPECT_TRUE(contains(log, "InputManager::getInput(): Window close event. Setting game over."));
  EXPECT_TRUE(contains(
      log, "InputManager::getInput(): GraphicsManager unexpectedly returned null window!"));
  vt::WorldManager::getInstance().shutDown();
}
