// Path searches on maps of walls, and objects that search and follow paths,
// in a started world and path manager on a plain log.

#include "../world/WorldTestSupport.h"
#include "LinearPathFind.h"
#include "path/PathCycle.h"

using namespace world_test;
using path_test::text;
using vt::Box;
using vt::GridPoint;
using vt::Vector;

namespace {

/// Advances a search until it ends; answers FOUND or NOT_FOUND.
int finish(vt::PathFind& search) {
  int status = vt::INCOMPLETE;
  while (status == vt::INCOMPLETE) status = search.cycleOnce();
  return status;
}

class PathTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    vt::LogManager::getInstance().setLogLevel(
        vt::PATH_TRACE_LEVEL);  // the searches say what they do
    ASSERT_EQ(paths().startUp(), 0);
  }
  void TearDown() override {
    WorldTest::TearDown();
    paths().shutDown();
  }

  static vt::PathManager& paths() { return vt::PathManager::getInstance(); }

  // Hands o a found path through nodes and lets it take its first step.
  static void follow(vt::Object& o, std::initializer_list<Vector> nodes) {
    vt::Path path;
    for (Vector node : nodes) path.addNode(node);
    vt::EventPath found(vt::FOUND, path);
    o.eventHandler(&found);
    o.doPathFollowing();
  }
};

using PathFindTest = PathTest;
using PathFollowingTest = PathTest;

}  // namespace

// The searches' plies, paths and trace are compared with the plain scan on
// random maps in path_reference_test.cpp.

TEST_F(PathFindTest, SearchesStayInTheWorldAsItIsNowAndInTheGridTheyWereMadeFor) {
  vt::Object walker;
  world().setBoundary(Box(Vector(), 3, 3));
  vt::PathFind shrunk(&walker, GridPoint{0, 0}, GridPoint{2, 2});
  vt::PathFind grown(&walker, GridPoint{0, 0}, GridPoint{6, 6});
  world().setBoundary(Box(Vector(), 2, 2));
  EXPECT_EQ(finish(shrunk), vt::NOT_FOUND);
  EXPECT_EQ(shrunk.getPly(), 4);
  world().setBoundary(Box(Vector(), 8, 8));
  EXPECT_EQ(finish(grown), vt::NOT_FOUND);
  EXPECT_EQ(grown.getPly(), 9);
}

TEST_F(PathFollowingTest, ObjectKeepsOnePendingSearchUntilDestroyed) {
  vt::Object* p_walker = new vt::Object;
  p_walker->setPosition(Vector(1.6f, 0.8f));  // on cell (2,1)
  ASSERT_EQ(p_walker->findPath(Vector(5, 5)), 0);
  ASSERT_EQ(p_walker->findPath(Vector(6, 7)), 0);  // replaces the first
  EXPECT_EQ(paths().getPathFindCount(), 1);
  vt::PathFind* p_search = p_walker->getPathFind();
  EXPECT_EQ(p_search->getStart(), (GridPoint{2, 1}));
  EXPECT_EQ(p_search->getEnd(), (GridPoint{6, 7}));
  EXPECT_EQ(p_walker->findPath(Vector(125, 5)), -1);  // outside the world
  EXPECT_EQ(p_walker->getPathFind(), p_search);
  delete p_walker;
  EXPECT_EQ(paths().getPathFindCount(), 0);
}

TEST_F(PathFollowingTest, UnreachableTargetLeavesThePathStateAsItWas) {
  world().setBoundary(Box(Vector(), 5, 3));
  for (int x = 2; x <= 4; x++)  // a ring of walls around (3, 1)
    for (int y = 0; y <= 2; y++)
      if (x != 3 || y != 1) wall(x, y);
  vt::Object walker;
  follow(walker, {Vector(0, 0), Vector(0, 2)});
  walker.findPath(Vector(3, 1));
  vt::cycleTimed(paths(), [] { return 0; });
  EXPECT_EQ(walker.getPathFind(), nullptr);
  EXPECT_EQ(paths().getPathFindCount(), 0);
  EXPECT_TRUE(walker.isPathFollowing());
  EXPECT_EQ(walker.getPath().getIndex(), 1);
  EXPECT_EQ(text(walker.getPath()), "(0,0) (0,2) ");
  EXPECT_EQ(walker.getDirection(), Vector(0, 1));
  EXPECT_TRUE(logged({"Object::eventHandler(): Object " + std::to_string(walker.getId()) +
                      " (Object) got path event."}));
}

TEST_F(PathFollowingTest, OneNodeAStepUpToTheLastWhereItStops) {
  vt::Object walker;
  walker.setBox(Box(Vector(), 1, 1));
  follow(walker, {Vector(0, 0), Vector(1, 1), Vector(3, 1)});  // (1,1) on the box's corner
  EXPECT_EQ(walker.getPath().getIndex(), 1);
  walker.doPathFollowing();  // speed 0, yet one node per step
  EXPECT_EQ(walker.getPath().getIndex(), 2);
  walker.doPathFollowing();  // out of reach: only re-aims
  EXPECT_EQ(walker.getPath().getIndex(), 2);
  walker.setSpeed(2);
  walker.setPosition(Vector(2, 0.5f));  // (3, 1) on the right edge
  walker.doPathFollowing();
  EXPECT_FALSE(walker.isPathFollowing());
  EXPECT_EQ(walker.getDirection(), Vector());
  EXPECT_EQ(walker.getSpeed(), 2);
}

TEST_F(PathFollowingTest, PathManagerTakesHalfTheFrameTimeAndKeepsItsSearchesWhenStopped) {
  EXPECT_EQ(paths().getCycleTime(), 16);
  EXPECT_EQ(paths().startUp(), -1);
  vt::Object walker;
  ASSERT_EQ(walker.findPath(Vector(9, 9)), 0);
  paths().shutDown();
  EXPECT_EQ(paths().getPathFindCount(), 1);
  EXPECT_EQ(walker.findPath(Vector(8, 8)), -1);
  EXPECT_TRUE(logged({"PathManager::startup(): Warning! PathManager already started.",
                      "PathManager not started!"}));
  ASSERT_EQ(paths().startUp(), 0);
}

TEST_F(PathFollowingTest, CycleStopsOnceAPlyOverrunsTheBudget) {
  vt::Object walker;
  walker.findPath(Vector(100, 90));
  const vt::PathFind* p_search = walker.getPathFind();
  vt::cycleTimed(paths(), [p_search] { return p_search->getPly() * 7000; });  // 7 ms a ply
  EXPECT_EQ(p_search->getPly(), 3);  // 0, 7 and 14 ms left room for one more
  EXPECT_EQ(vt_test::count(vt_test::readLines("vantle.log"),
                           "PathManager::cycle(): cycle time 16 exceeded."),
            1);
}

TEST_F(PathFollowingTest, EndedSearchIsReportedAndTheNextTakesItsPlace) {
  vt::Object here, there;
  here.setPosition(Vector(2, 2));
  here.findPath(Vector(2, 2));
  there.findPath(Vector(50, 50));
  const vt::PathFind* p_far = there.getPathFind();
  int readings = 0;  // the budget is spent after the first ply of the walk
  vt::cycleTimed(paths(), [&readings] { return readings++ < 2 ? 0 : 20000; });
  EXPECT_EQ(here.getPathFind(), nullptr);  // told, then dropped by its object
  EXPECT_TRUE(here.isPathFollowing());
  EXPECT_EQ(p_far->getPly(), 1);  // advanced in the same walk
  EXPECT_EQ(paths().getPathFindCount(), 1);
  EXPECT_TRUE(logged({"PathManager::unregisterPathFind(): finder is 1"}));
}

// A game at full speed (frame time 0) gives the path manager no time budget:
// its searches end all the same, and one its owner leaves registered does
// not hold up the others.
class PathGameTest : public vt_test::InTempDir {};

TEST_F(PathGameTest, SearchesEndAtFullSpeedThoughOneIsLeftRegistered) {
  vt_test::writeFile("vt-config.txt", "headless:true,\nframe_time:0,\n");
  vt::GameManager& game = vt::GameManager::getInstance();
  ASSERT_EQ(game.startUp(), 0);
  vt::WorldManager::getInstance().setBoundary(Box(Vector(), 20, 20));
  {
    Probe keeper("keeper");
    vt::PathFind kept(&keeper, GridPoint{2, 2}, GridPoint{2, 2});
    vt::PathManager::getInstance().registerPathFind(&kept);
    vt::Object walker;
    ASSERT_EQ(walker.findPath(Vector(9, 9)), 0);
    for (int i = 0; i < 100 && walker.getPathFind(); i++) game.runFrame();
    EXPECT_EQ(text(walker.getPath()),
              "(0,0) (1,1) (2,2) (3,3) (4,4) (5,5) (6,6) (7,7) (8,8) (9,9) ");
  }
  game.shutDown();
}
