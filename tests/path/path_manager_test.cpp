#include <gtest/gtest.h>

#include "PathTestSupport.h"
#include "path/PathCycle.h"

using namespace path_test;
using vt::GridPoint;
using vt::Vector;
using world_test::logged;

using PathManagerTest = PathTest;

TEST_F(PathManagerTest, StartsWithHalfTheFrameTimeKeepsItsSearchesAndRefusesUnknownOnes) {
  EXPECT_EQ(paths().getCycleTime(), 16);
  EXPECT_EQ(paths().startUp(), -1);
  vt::Object walker;
  vt::PathFind search(&walker, GridPoint{}, GridPoint{});
  EXPECT_EQ(paths().unregisterPathFind(nullptr), -1);
  EXPECT_EQ(paths().unregisterPathFind(&search), -1);
  EXPECT_EQ(paths().registerPathFind(nullptr), -1);
  ASSERT_EQ(walker.findPath(Vector(9, 9)), 0);
  paths().shutDown();
  EXPECT_EQ(paths().getPathFindCount(), 1);
  EXPECT_EQ(walker.findPath(Vector(8, 8)), -1);  // not while stopped
  EXPECT_TRUE(
      logged({"PathManager::startUp(): successfully started.",
              "PathManager::startup(): Warning! PathManager already started.",
              "PathManager::unregisterPathFind(): p_path_find is (nil)",
              "PathManager::shutDown(): successfully stopped.", "PathManager not started!"}));
  ASSERT_EQ(paths().startUp(), 0);
}

TEST_F(PathManagerTest, CycleWritesNothingWithoutSearchesAndStopsOnceAPlyOverrunsTheBudget) {
  size_t before = vt_test::readLines("vantle.log").size();
  paths().cycle();
  EXPECT_EQ(vt_test::readLines("vantle.log").size(), before);
  vt::Object walker;
  walker.findPath(Vector(100, 90));
  const vt::PathFind* p_search = walker.getPathFind();
  vt::cycleTimed(paths(), [p_search] { return p_search->getPly() * 7000; });  // 7 ms a ply
  EXPECT_EQ(p_search->getPly(), 3);  // 0, 7 and 14 ms left room for one more
  EXPECT_EQ(vt_test::count(vt_test::readLines("vantle.log"),
                           "PathManager::cycle(): cycle time 16 exceeded."),
            1);
}

TEST_F(PathManagerTest, EndedSearchIsReportedAndTheNextTakesItsPlace) {
  vt::Object here, there;
  here.setPosition(Vector(2, 2));
  here.findPath(Vector(2, 2));
  there.findPath(Vector(50, 50));
  const vt::PathFind* p_far = there.getPathFind();
  vt::cycleTimed(paths(), [p_far] { return p_far->getPly() > 0 ? 20000 : 0; });
  EXPECT_EQ(here.getPathFind(), nullptr);  // told, then dropped by its object
  EXPECT_TRUE(here.isPathFollowing());
  EXPECT_EQ(p_far->getPly(), 1);  // advanced in the same walk
  EXPECT_EQ(paths().getPathFindCount(), 1);
  EXPECT_TRUE(logged({"PathManager::unregisterPathFind(): finder is 1"}));
}

TEST_F(PathManagerTest, SearchLeftRegisteredIsAdvancedAgain) {
  world_test::Probe keeper("keeper");  // does not hand path events to the base
  int readings = 0;
  {
    vt::PathFind search(&keeper, GridPoint{2, 2}, GridPoint{2, 2});
    ASSERT_EQ(paths().registerPathFind(&search), 0);
    EXPECT_EQ(paths().registerPathFind(&search), -1);
    vt::cycleTimed(paths(), [&readings] { return 1000 * readings++; });
    EXPECT_GT(search.getPly(), 1);
    EXPECT_EQ(world_test::journal.size(), static_cast<size_t>(search.getPly()));
    EXPECT_TRUE(paths().isRegistered(&search));
  }
  EXPECT_EQ(paths().getPathFindCount(), 0);  // a deleted search leaves the walk
}

// A game run at full speed (frame time 0) leaves the path manager no time
// budget; its searches must end all the same, and one left registered by
// its owner must not hold up the others.
class PathManagerFullSpeedTest : public vt_test::InTempDir {};

TEST_F(PathManagerFullSpeedTest, SearchesEndWithoutABudget) {
  vt_test::writeFile("vt-config.txt", "headless:true,\nframe_time:0,\n");
  ASSERT_EQ(vt::GameManager::getInstance().startUp(), 0);
  ASSERT_EQ(vt::PathManager::getInstance().getCycleTime(), 0);
  vt::WorldManager::getInstance().setBoundary(vt::Box(Vector(), 20, 20));
  {
    world_test::Probe keeper("keeper");  // keeps its ended search registered
    vt::PathFind kept(&keeper, GridPoint{2, 2}, GridPoint{2, 2});
    vt::PathManager::getInstance().registerPathFind(&kept);
    auto* p_walker = new vt::Object;
    ASSERT_EQ(p_walker->findPath(Vector(9, 9)), 0);
    for (int i = 0; i < 100 && p_walker->getPathFind(); i++) vt::PathManager::getInstance().cycle();
    EXPECT_EQ(p_walker->getPathFind(), nullptr);
    EXPECT_TRUE(p_walker->isPathFollowing());
    EXPECT_EQ(p_walker->getPath().getNodeCount(), 10);
  }
  vt::GameManager::getInstance().shutDown();
}
