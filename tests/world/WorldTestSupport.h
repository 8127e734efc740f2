// A started world on a plain log, and objects that record the events they
// receive and can react to them.
#pragma once

#include "TestSupport.h"

namespace world_test {

using Strings = std::vector<std::string>;

/// "<name> <event type>" for every event a probe received and "<name> draw"
/// for every draw, in order.
inline Strings journal;

class Probe : public vt::Object {
 public:
  explicit Probe(std::string init_name = "probe", vt::Vector at = vt::Vector())
      : name(std::move(init_name)) {
    setPosition(at);
  }
  int eventHandler(const vt::Event* p_e) override {
    journal.push_back(name + " " + p_e->getType());
    if (reaction) reaction(p_e);
    return 1;
  }
  void draw() override {
    journal.push_back(name + " draw");
    Object::draw();
  }
  std::string name;
  std::function<void(const vt::Event*)> reaction;
};

/// Whether the log holds every one of messages; names the missing ones.
inline ::testing::AssertionResult logged(const Strings& messages) {
  Strings lines = vt_test::readLines("vantle.log");
  std::string missing;
  for (const std::string& message : messages)
    if (!vt_test::contains(lines, message)) missing += "\n  " + message;
  if (missing.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "not logged:" << missing;
}

/// A "Wall" at cell (x, y), deleted with the world.
inline void wall(int x, int y, vt::Solidness solidness = vt::HARD) {
  vt::Object* p_wall = new vt::Object;
  p_wall->setType("Wall");
  p_wall->setPosition(vt::Vector(static_cast<float>(x), static_cast<float>(y)));
  p_wall->setSolidness(solidness);
}

/// A 125 by 100 world with a 75 by 20 view, in a fresh working folder.
class WorldTest : public vt_test::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    vt_test::startPlainLog();
    journal.clear();
    world().startUp();
    world().setBoundary(vt::Box(vt::Vector(), 125, 100));
    world().setView(vt::Box(vt::Vector(), 75, 20));
  }
  void TearDown() override {
    world().shutDown();
    vt::LogManager::getInstance().shutDown();
    InTempDir::TearDown();
  }

  static vt::WorldManager& world() { return vt::WorldManager::getInstance(); }

  // Delivers an event of type through manager; how many objects got it.
  static int deliver(vt::Manager& manager, const std::string& type) {
    vt::Event event;
    event.setType(type);
    return manager.onEvent(&event);
  }

  // Which lists hold p_o: "a" active, "s" solid, "0".."4" visible, "i" inactive.
  static std::string listsOf(vt::Object* p_o) {
    vt::SceneGraph& graph = world().getSceneGraph();
    std::string where = graph.activeObjects().contains(p_o) ? "a" : "";
    if (graph.solidObjects().contains(p_o)) where += "s";
    for (int altitude = 0; altitude <= 4; altitude++)
      if (graph.visibleObjects(altitude).contains(p_o)) where += std::to_string(altitude);
    return where + (graph.inactiveObjects().contains(p_o) ? "i" : "");
  }
};

}  // namespace world_test
