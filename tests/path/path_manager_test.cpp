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
  EXPECT_EQ(paths().unregisterPathFind(nullptr) + paths().unregisterPathFind(&search), -2);
  EXPECT_EQ(paths().registerPathFind(nullptr), -1);
  ASSERT_EQ(walker.findPath(Vector(9, 9)), 0);
  paths().shutDown();
  EXPECT_EQ(paths().getPathFindCount(), 1);
  EXPECT_EQ(walker.findPath(Vector(8, 8)), -1);  // not while stopped
  EXPECT_TRUE(logged({"PathManager::startup(): Warning! PathManager already started.",
                      "PathManager::unregisterPathFind(): p_path_find is (nil)",
                      "PathManager not started!"}));
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

TEST_F(PathManagerTest, SearchLeftRegisteredIsAdvancedAgainUntilDeleted) {
  world_test::Probe keeper("keeper");  // does not hand path events to the base
  int readings = 0;
  {
    vt::PathFind search(&keeper, GridPoint{2, 2}, GridPoint{2, 2});
    ASSERT_EQ(paths().registerPathFind(&search), 0);
    EXPECT_EQ(paths().registerPathFind(&search), -1);
    vt::cycleTimed(paths(), [&readings] { return 1000 * readings++; });
    EXPECT_GT(search.getPly(), 1);
    EXPECT_EQ(world_test::journal.size(), static_cast<size_t>(search.getPly()));
  }
  EXPECT_EQ(paths().getPathFindCount(), 0);
}
