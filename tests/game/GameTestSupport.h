// A headless engine for the game's tests: the game's resources staged from
// the build (or left out), and frames driven by hand in the game loop's
// order: keyboard events, the world's update, the step event.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "maze.h"

namespace game_test {

/// Every active object, in the world's order.
inline std::vector<vt::Object*> allObjects() {
  std::vector<vt::Object*> objects;
  vt::ObjectList list = vt::WorldManager::getInstance().getAllObjects();
  for (vt::ObjectListIterator it(&list); !it.isDone(); it.next())
    objects.push_back(it.currentObject());
  return objects;
}

inline std::vector<vt::Object*> ofType(const std::string& type) {
  std::vector<vt::Object*> found;
  for (vt::Object* p_o : allObjects())
    if (p_o->getType() == type) found.push_back(p_o);
  return found;
}

/// The newest view object showing label, or null.
inline vt::ViewObject* display(const std::string& label) {
  vt::ViewObject* p_found = nullptr;
  for (vt::Object* p_o : allObjects()) {
    auto* p_view = dynamic_cast<vt::ViewObject*>(p_o);
    if (p_view && p_view->getViewString() == label) p_found = p_view;
  }
  return p_found;
}

/// The newest hero, or null.
inline Hero* hero() {
  Hero* p_found = nullptr;
  for (vt::Object* p_o : allObjects())
    if (auto* p_hero = dynamic_cast<Hero*>(p_o)) p_found = p_hero;
  return p_found;
}

inline vt::Vector cell(int x, int y) {
  return vt::Vector(static_cast<float>(x), static_cast<float>(y));
}

/// The build's staged game folder.
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

/// The keys in the order the input manager polls held keys.
inline int pollRank(vt::Keyboard::Key key) {
  switch (key) {
    case vt::Keyboard::UP_ARROW:
      return 0;
    case vt::Keyboard::DOWN_ARROW:
      return 1;
    case vt::Keyboard::LEFT_ARROW:
      return 2;
    case vt::Keyboard::RIGHT_ARROW:
      return 3;
    default:
      return 4 + static_cast<int>(key);
  }
}

/// A headless engine with the game's world size, level counter at 1.
class GameTest : public vt_test::InTempDir {
 protected:
  /// Whether SetUp links the staged sprites/ and sounds/ into the folder.
  virtual bool withAssets() const { return true; }

  void SetUp() override {
    InTempDir::SetUp();
    vt_test::writeFile("vt-config.txt", "headless:true,\nframe_time:0,\n");
    if (withAssets()) {
      ASSERT_FALSE(stageDir().empty()) << "MAZE_STAGE_DIR not set";
      std::filesystem::create_directory_symlink(stageDir() + "/sprites", "sprites");
      std::filesystem::create_directory_symlink(stageDir() + "/sounds", "sounds");
    }
    ASSERT_EQ(vt::GameManager::getInstance().startUp(), 0);
    vt::LogManager::getInstance().setFlush(true);
    loadGameResources();
    setWorldSize();
    currentLevel() = 1;
    step = 0;
  }

  void TearDown() override {
    vt::GameManager::getInstance().shutDown();
    InTempDir::TearDown();
  }

  /// One frame with the given keys held: a KEY_DOWN for each in poll order.
  void frame(std::vector<vt::Keyboard::Key> held = {}) {
    std::sort(held.begin(), held.end(),
              [](vt::Keyboard::Key a, vt::Keyboard::Key b) { return pollRank(a) < pollRank(b); });
    for (vt::Keyboard::Key key : held) press(key, vt::KEY_DOWN);
    vt::WorldManager::getInstance().update();
    vt::EventStep event(step++);
    vt::GameManager::getInstance().onEvent(&event);
  }

  int step = 0;
};

}  // namespace game_test
