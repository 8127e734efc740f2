// The engine's search against the plain scan on random walled grids: the
// same results, plies and paths, and with the trace on the same text.

#include "../world/WorldTestSupport.h"
#include "LinearPathFind.h"

using namespace path_test;
using namespace world_test;

namespace {

// Boxes of searchers: a cell's, a wide one, a small one off centre, a large one.
const vt::Box SEARCHER_BOXES[] = {vt::Box(vt::Vector(-0.5f, -0.5f), 0.99f, 0.99f),
                                  vt::Box(vt::Vector(-0.5f, -0.5f), 1.99f, 0.99f),
                                  vt::Box(vt::Vector(0.1f, 0.1f), 0.3f, 0.3f),
                                  vt::Box(vt::Vector(-1, -1), 2.5f, 2.5f)};

vt::GridPoint somewhere(std::mt19937& rng, int width, int height) {
  // Now and then a start or end outside the grid.
  if (rng() % 25 == 0) return vt::GridPoint{width, static_cast<int>(rng() % height)};
  return vt::GridPoint{static_cast<int>(rng() % width), static_cast<int>(rng() % height)};
}

class PathReferenceTest : public WorldTest {
 protected:
  // Runs a search to its end, the reference beside it ply by ply.
  void compare(vt::Object* p_searcher, vt::GridPoint from, vt::GridPoint to, bool tracing) {
    vt::LogManager& log = vt::LogManager::getInstance();
    log.shutDown();
    log.setLogLevel(tracing ? vt::PATH_TRACE_LEVEL : 0);
    ASSERT_EQ(log.startUp(), 0);
    vt::PathFind search(p_searcher, from, to);
    LinearPathFind reference(p_searcher, from, to);
    int status = vt::INCOMPLETE;
    while (status == vt::INCOMPLETE) {
      status = search.cycleOnce();
      ASSERT_EQ(status, reference.cycleOnce()) << "ply " << reference.ply;
    }
    EXPECT_EQ(search.getPly(), reference.ply);
    EXPECT_EQ(text(search.getPath()), reference.path());
    std::vector<std::string> lines = vt_test::readLines("vantle.log");
    lines.pop_back();                         // the path, written whatever the level
    if (tracing) lines.erase(lines.begin());  // the log's own start
    if (!tracing) {
      reference.trace.erase(std::remove_if(reference.trace.begin(), reference.trace.end(),
                                           [](const std::string& line) {
                                             return line.find("done. FOUND") == std::string::npos &&
                                                    line.find("done. NOT_FOUND") ==
                                                        std::string::npos;
                                           }),
                            reference.trace.end());
    }
    EXPECT_EQ(lines, reference.trace);
  }
};

}  // namespace

TEST_F(PathReferenceTest, RandomGridsAreSearchedAsByThePlainScan) {
  std::mt19937 rng(2024);
  for (int round = 0; round < 300 && !HasFailure(); round++) {
    SCOPED_TRACE("round " + std::to_string(round));
    int width = 3 + static_cast<int>(rng() % 23), height = 3 + static_cast<int>(rng() % 18);
    world().setBoundary(
        vt::Box(vt::Vector(), static_cast<float>(width), static_cast<float>(height)));
    int density = static_cast<int>(rng() % 45);
    for (int y = 0; y < height; y++)
      for (int x = 0; x < width; x++)
        if (static_cast<int>(rng() % 100) < density)
          wall(x, y, rng() % 6 == 0 ? static_cast<vt::Solidness>(1 + rng() % 2) : vt::HARD);
    auto* p_searcher = new vt::Object;
    p_searcher->setSolidness(vt::SPECTRAL);
    p_searcher->setBox(SEARCHER_BOXES[rng() % 4]);
    vt::GridPoint from = somewhere(rng, width, height), to = somewhere(rng, width, height);
    compare(p_searcher, from, to, round % 2 == 0);
    vt::ObjectList all = world().getAllObjects(true);
    for (vt::ObjectListIterator it(&all); !it.isDone(); it.next()) delete it.currentObject();
  }
}
