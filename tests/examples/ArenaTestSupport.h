// A headless engine with the arena built, and frames driven by hand in the
// game loop's order: path searches, the world's update, the step event.
#pragma once

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "arena.h"

namespace arena_test {

template <typename T>
std::vector<T*> all(const std::string& type) {
  std::vector<T*> found;
  vt::ObjectList list = vt::WorldManager::getInstance().getAllObjects();
  for (vt::ObjectListIterator it(&list); !it.isDone(); it.next())
    if (it.currentObject()->getType() == type) found.push_back(static_cast<T*>(it.currentObject()));
  return found;
}

inline std::vector<Walker*> walkers() { return all<Walker>("Walker"); }
inline std::vector<Target*> targets() { return all<Target>("Target"); }

inline vt::Vector cell(int x, int y) {
  return vt::Vector(static_cast<float>(x), static_cast<float>(y));
}

/// A left click in the middle of a window cell, delivered as the input
/// manager delivers it.
inline void click(vt::Vector window_cell) {
  vt::EventMouse event;
  event.setMouseAction(vt::CLICKED);
  event.setMouseButton(vt::Mouse::LEFT);
  event.setMousePosition(window_cell + vt::Vector(0.5f, 0.5f));
  vt::InputManager::getInstance().onEvent(&event);
}

inline void press(vt::Keyboard::Key key) {
  vt::EventKeyboard event;
  event.setKey(key);
  event.setKeyboardAction(vt::KEY_PRESSED);
  vt::InputManager::getInstance().onEvent(&event);
}

/// The value a display shows, -1 without that display.
inline int shown(const std::string& label) {
  for (vt::ViewObject* p_view : all<vt::ViewObject>("ViewObject"))
    if (p_view->getViewString() == label) return p_view->getValue();
  return -1;
}

class ArenaTest : public vt_test::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    // The default frame time gives the path searches their budget per frame.
    vt_test::writeFile("vt-config.txt", "headless:true,\n");
    const char* stage = std::getenv("ARENA_STAGE_DIR");
    ASSERT_NE(stage, nullptr) << "ARENA_STAGE_DIR not set";
    std::filesystem::create_directory_symlink(std::string(stage) + "/sprites", "sprites");
    ASSERT_EQ(vt::GameManager::getInstance().startUp(), 0);
    loadArenaResources();
    setArenaSize();
    p_arena = new Arena;
  }

  void TearDown() override {
    vt::GameManager::getInstance().shutDown();
    InTempDir::TearDown();
  }

  void frame() {
    vt::PathManager::getInstance().cycle();
    vt::WorldManager::getInstance().update();
    vt::EventStep event(step++);
    vt::GameManager::getInstance().onEvent(&event);
  }

  /// Runs frames until no walker walks, at most limit; whether they stopped.
  /// No walker may ever cross a wall: a walker counts a path's node reached
  /// once its box covers it, so it may cut a wall's corner, but its centre
  /// never enters the inner half of a wall's cell.
  bool walkUntilStill(int limit = 3000) {
    for (int i = 0; i < limit; i++) {
      frame();
      bool walking = false;
      for (Walker* p_walker : walkers()) {
        vt::Vector at = p_walker->getPosition();
        vt::Vector nearest = cellOf(at + vt::Vector(0.5f, 0.5f));
        vt::Vector off = at - nearest;
        bool inside = std::fabs(off.getX()) < 0.25f && std::fabs(off.getY()) < 0.25f;
        EXPECT_FALSE(inside && !isFloor(nearest))
            << "walker " << p_walker->getId() << " in the wall at (" << nearest.getX() << ", "
            << nearest.getY() << ")";
        if (::testing::Test::HasFailure()) return false;
        walking = walking || p_walker->isWalking();
      }
      if (!walking) return true;
    }
    return false;
  }

  Arena* p_arena = nullptr;
  int step = 0;
};

}  // namespace arena_test
