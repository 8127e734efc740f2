// The game's engine run headless one frame of the game loop at a time, with
// held keys going through the real input manager.
#pragma once

#include "../presentation/InputTestSupport.h"
#include "maze.h"

namespace game_test {

using Keys = std::set<sf::Keyboard::Key>;
using vt_test::within;

/// The active objects of a type (all without one), in the world's order.
inline std::vector<vt::Object*> ofType(const std::string& type = "") {
  std::vector<vt::Object*> found;
  vt::ObjectList list = vt::WorldManager::getInstance().getAllObjects();
  for (vt::ObjectListIterator it(&list); !it.isDone(); it.next())
    if (type.empty() || it.currentObject()->getType() == type) found.push_back(it.currentObject());
  return found;
}

/// The newest view object showing label, or null.
inline vt::ViewObject* display(const std::string& label) {
  vt::ViewObject* p_found = nullptr;
  for (vt::Object* p_o : ofType("ViewObject"))
    if (auto* p_view = static_cast<vt::ViewObject*>(p_o); p_view->getViewString() == label)
      p_found = p_view;
  return p_found;
}

/// The newest hero, or null.
inline Hero* hero() {
  std::vector<vt::Object*> heroes = ofType("Hero");
  return heroes.empty() ? nullptr : static_cast<Hero*>(heroes.back());
}

inline vt::Vector cell(int x, int y) {
  return vt::Vector(static_cast<float>(x), static_cast<float>(y));
}

inline std::string stageDir() {
  const char* dir = std::getenv("MAZE_STAGE_DIR");
  return dir ? dir : "";
}

/// Delivers one keyboard event as the input manager does.
inline void press(vt::Keyboard::Key key, vt::EventKeyboardAction action) {
  vt::EventKeyboard event;
  event.setKey(key);
  event.setKeyboardAction(action);
  vt::InputManager::getInstance().onEvent(&event);
}

/// The level's view objects: level, countdown, the message row's cover,
/// keys (if any), best time (with a door), level 1's three help boxes.
inline int levelViews(int level) {
  LevelPlan plan = levelPlan(level);
  return 3 + (plan.keys.empty() ? 0 : 1) + (plan.has_door ? 1 : 0) + (level == 1 ? 3 : 0);
}

/// What buildLevel makes: walls, keys, door, hero and view objects.
inline int levelObjects(int level) {
  LevelPlan plan = levelPlan(level);
  return static_cast<int>(levelWalls(level).size() + plan.keys.size()) + (plan.has_door ? 1 : 0) +
         1 + levelViews(level);
}

/// The engine with the game's staged sprites and sounds and its world
/// size, level counter at 1.
class GameTest : public vt_test::InTempDir {
 protected:
  /// More configuration items, after headless running without frame pacing.
  virtual std::string moreConfig() const { return ""; }

  /// Whether the game runs in a window instead of headless.
  virtual bool windowed() const { return false; }

  void SetUp() override {
    InTempDir::SetUp();
    if (windowed()) {
      REQUIRE_DISPLAY();
      vt_test::stageFont();
    }
    vt_test::writeFile("vt-config.txt",
                       (windowed() ? "" : "headless:true,\n") + std::string("frame_time:0,\n") +
                           moreConfig());
    ASSERT_FALSE(stageDir().empty()) << "MAZE_STAGE_DIR not set";
    std::filesystem::create_directory_symlink(stageDir() + "/sprites", "sprites");
    std::filesystem::create_directory_symlink(stageDir() + "/sounds", "sounds");
    ASSERT_EQ(vt::GameManager::getInstance().startUp(), 0);
    vt::LogManager::getInstance().setFlush(true);
    vt::InputManager::getInstance().setInputSource(&input);
    loadGameResources();
    setWorldSize();
    currentLevel() = 1;
  }

  void TearDown() override {
    vt::InputManager::getInstance().setInputSource(nullptr);
    if (vt::GameManager::getInstance().isStarted()) vt::GameManager::getInstance().shutDown();
    InTempDir::TearDown();
  }

  /// One frame of the game loop with the given keys held.
  void frame(const Keys& held = {}) {
    input.keys = held;
    vt::GameManager::getInstance().runFrame();
    afterFrame();
  }

  virtual void afterFrame() {}

  /// The frames run so far, the next frame's step event's count.
  static int step() { return vt::GameManager::getInstance().getStepCount(); }

  input_test::ScriptedInput input;
};

}  // namespace game_test
