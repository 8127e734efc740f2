#include <gtest/gtest.h>

#include <set>

#include "InputTestSupport.h"

using namespace vt_test;
using Strings = std::vector<std::string>;
using K = sf::Keyboard;

namespace {
// Input from a script instead of a window; no display is needed.
class InputTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    startPlainLog();
    vt::WorldManager::getInstance().startUp();
    input.setInputSource(&script);
    p_recorder = new input_test::Recorder;
  }
  void TearDown() override {
    input.setInputSource(nullptr);
    vt::WorldManager::getInstance().shutDown();  // deletes the recorder
    vt::LogManager::getInstance().shutDown();
    InTempDir::TearDown();
  }

  // The notes of one frame's input.
  Strings frame() {
    p_recorder->seen.clear();
    input.getInput();
    return p_recorder->seen;
  }

  vt::InputManager& input = vt::InputManager::getInstance();
  input_test::ScriptedInput script;
  input_test::Recorder* p_recorder = nullptr;
};
}  // namespace

TEST(KeyboardTable, NamedKeysKeepTheirNumbersAndTheRestAreTheirSfmlCodePlus97) {
  const std::pair<K::Key, int> named[] = {
      {K::Space, 0},    {K::Enter, 1}, {K::Down, 7},  {K::Subtract, 9}, {K::Backslash, 16},
      {K::RShift, 23},  {K::F1, 24},   {K::F12, 35},  {K::A, 36},       {K::W, 58},
      {K::Z, 61},       {K::Num1, 62}, {K::Num9, 70}, {K::Num0, 71},    {K::Backspace, 72},
      {K::Unknown, 96}, {K::LAlt, 136}};
  for (auto [sfml_key, value] : named) EXPECT_EQ(vt::Keyboard::fromSFML(sfml_key), value);
  // Every SFML key has a value of its own: 0 to 72 for the 73 named keys.
  std::set<int> values;
  for (int code = K::Unknown; code < K::KeyCount; code++) {
    int value = vt::Keyboard::fromSFML(static_cast<K::Key>(code));
    if (value > vt::Keyboard::BACKSPACE) {
      EXPECT_EQ(value, code + 97);
    }
    values.insert(value);
  }
  EXPECT_EQ(values.size(), static_cast<size_t>(K::KeyCount + 1));
  EXPECT_EQ(*values.begin(), 0);
  EXPECT_EQ(*values.upper_bound(72), 96);
}

TEST_F(InputTest, QueuedEventsComeFirstThenHeldButtonsThenHeldKeysInPollOrder) {
  script.press(K::W);
  script.add(sf::Event::MouseButtonPressed, sf::Mouse::Right);
  script.add(sf::Event::KeyReleased, K::Q);
  script.add(sf::Event::TextEntered);  // ignored
  script.keys.insert({K::Num0, K::A, K::Down, K::Up, K::F1, K::Escape});
  script.buttons = {sf::Mouse::Middle, sf::Mouse::Right};
  EXPECT_EQ(frame(),
            (Strings{"pressed 58", "clicked 2", "released 52", "held 1", "held 2", "down 6",
                     "down 7", "down 2", "down 24", "down 36", "down 58", "down 71"}));
}

TEST_F(InputTest, HeldKeyIsPressedOnceDownEveryFrameAndReleasedButF11F12AndUnnamedKeysNeverDown) {
  for (K::Key key : {K::W, K::F11, K::F12, K::LAlt}) script.press(key);
  EXPECT_EQ(frame(), (Strings{"pressed 58", "pressed 34", "pressed 35", "pressed 136", "down 58"}));
  EXPECT_EQ(frame(), (Strings{"down 58"}));
  script.release(K::W);
  EXPECT_EQ(frame(), (Strings{"released 58"}));
}

TEST_F(InputTest, ClickTakesItsButtonUnlessLeftOrThenMiddleIsHeld) {
  script.add(sf::Event::MouseButtonPressed, sf::Mouse::Left);
  script.buttons = {sf::Mouse::Left, sf::Mouse::Middle};
  EXPECT_EQ(frame(), (Strings{"clicked 2", "held 0", "held 2"}));
  script.add(sf::Event::MouseButtonPressed, sf::Mouse::Right);
  script.buttons = {sf::Mouse::Left, sf::Mouse::Right};
  EXPECT_EQ(frame(), (Strings{"clicked 0", "held 0", "held 1"}));
  script.buttons.clear();  // clicks let go of before the frame reads them keep their button
  for (auto button : {sf::Mouse::Left, sf::Mouse::Middle, sf::Mouse::Right, sf::Mouse::XButton1})
    script.add(sf::Event::MouseButtonPressed, button);
  EXPECT_EQ(frame(), (Strings{"clicked 0", "clicked 2", "clicked 1", "clicked -1"}));
}

TEST_F(InputTest, CloseSetsGameOverAndLeavesTheRestOfTheFrameForLater) {
  vt::LogManager::getInstance().setLogLevel(1);
  script.press(K::W);
  script.add(sf::Event::Closed);
  script.press(K::A);
  script.buttons = {sf::Mouse::Left};
  EXPECT_EQ(frame(), (Strings{"pressed 58"}));
  EXPECT_TRUE(vt::GameManager::getInstance().getGameOver());
  EXPECT_EQ(frame(), (Strings{"pressed 36", "held 0", "down 36", "down 58"}));

  input.setInputSource(nullptr);  // the graphics manager has no window
  EXPECT_EQ(frame(), Strings{});
  std::vector<std::string> log = readLines("vantle.log");
  EXPECT_TRUE(contains(log, "InputManager::getInput(): Window close event. Setting game over."));
  EXPECT_TRUE(contains(
      log, "InputManager::getInput(): GraphicsManager unexpectedly returned null window!"));
}
