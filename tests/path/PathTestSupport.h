// A started world and path manager on a plain log, with walls to search
// around.
#pragma once

#include <string>
#include <vector>

#include "../world/WorldTestSupport.h"

namespace path_test {

/// Makes the world as large as the map, with a "Wall" on each cell marked
/// '#' (HARD), 's' (SOFT) or '~' (SPECTRAL), other cells free; the walls,
/// deleted with the world.
inline std::vector<vt::Object*> build(const std::vector<std::string>& map) {
  vt::WorldManager::getInstance().setBoundary(
      vt::Box(vt::Vector(), static_cast<float>(map[0].size()), static_cast<float>(map.size())));
  std::vector<vt::Object*> walls;
  for (size_t y = 0; y < map.size(); y++)
    for (size_t x = 0; x < map[y].size(); x++) {
      if (std::string("#s~").find(map[y][x]) == std::string::npos) continue;
      walls.push_back(new vt::Object);
      walls.back()->setType("Wall");
      walls.back()->setPosition(vt::Vector(static_cast<float>(x), static_cast<float>(y)));
      walls.back()->setSolidness(map[y][x] == '#'   ? vt::HARD
                                 : map[y][x] == 's' ? vt::SOFT
                                                    : vt::SPECTRAL);
    }
  return walls;
}

/// Advances a search until it ends; answers FOUND or NOT_FOUND.
inline int finish(vt::PathFind& search) {
  int status = vt::INCOMPLETE;
  while (status == vt::INCOMPLETE) status = search.cycleOnce();
  return status;
}

/// "(x,y) " per node, as the log writes paths.
inline std::string text(const vt::Path& path) {
  std::string out;
  for (int i = 0; i < path.getNodeCount(); i++)
    out += "(" + vt::toString(path.getNode(i).getX()) + "," + vt::toString(path.getNode(i).getY()) +
           ") ";
  return out;
}

class PathTest : public world_test::WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    vt::LogManager::getInstance().setLogLevel(1);
    ASSERT_EQ(paths().startUp(), 0);
  }
  void TearDown() override {
    WorldTest::TearDown();
    paths().shutDown();
  }

  static vt::PathManager& paths() { return vt::PathManager::getInstance(); }
};

}  // namespace path_test
