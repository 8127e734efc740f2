// A started world and path manager on a plain log, with walls to search
// around.
#pragma once

#include <string>

#include "../world/WorldTestSupport.h"

namespace path_test {

class PathTest : public world_test::WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    vt::LogManager::getInstance().setLogLevel(vt::PATH_TRACE_LEVEL);  // the searches say what they do
    ASSERT_EQ(paths().startUp(), 0);
  }
  void TearDown() override {
    WorldTest::TearDown();
    paths().shutDown();
  }

  static vt::PathManager& paths() { return vt::PathManager::getInstance(); }

  /// A "Wall" at cell (x, y), deleted with the world.
  static vt::Object* wall(int x, int y, vt::Solidness solidness = vt::HARD) {
    vt::Object* p_wall = new vt::Object;
    p_wall->setType("Wall");
    p_wall->setPosition(vt::Vector(static_cast<float>(x), static_cast<float>(y)));
    p_wall->setSolidness(solidness);
    return p_wall;
  }

  /// Walls on the 3 by 3 ring around (x, y) in a 7 by 7 world.
  static void enclose(int x, int y) {
    world().setBoundary(vt::Box(vt::Vector(), 7, 7));
    for (int dx = -1; dx <= 1; dx++)
      for (int dy = -1; dy <= 1; dy++)
        if (dx || dy) wall(x + dx, y + dy);
  }

  /// Advances a search until it ends; answers FOUND or NOT_FOUND.
  static int finish(vt::PathFind& search) {
    int status = vt::INCOMPLETE;
    while (status == vt::INCOMPLETE) status = search.cycleOnce();
    return status;
  }

  /// "(x,y) " per node, as the log writes paths.
  static std::string text(const vt::Path& path) {
    std::string out;
    for (int i = 0; i < path.getNodeCount(); i++)
      out += "(" + vt::toString(path.getNode(i).getX()) + "," +
             vt::toString(path.getNode(i).getY()) + ") ";
    return out;
  }
};

}  // namespace path_test
