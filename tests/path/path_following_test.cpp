#include <gtest/gtest.h>

#include "PathTestSupport.h"
#include "path/PathCycle.h"

using namespace path_test;
using vt::Box;
using vt::GridPoint;
using vt::Vector;
using world_test::logged;

namespace {
class PathFollowingTest : public PathTest {
 protected:
  // Hands o a found path through nodes and lets it take its first step.
  static void follow(vt::Object& o, std::initializer_list<Vector> nodes) {
    vt::Path path;
    for (Vector node : nodes) path.addNode(node);
    vt::EventPath found(vt::FOUND, path);
    o.eventHandler(&found);
    o.doPathFollowing();
  }
};
}  // namespace

TEST_F(PathFollowingTest, ObjectKeepsOnePendingSearchUntilDestroyed) {
  vt::Object* p_walker = new vt::Object;
  p_walker->setPosition(Vector(1.2f, 0.8f));
  ASSERT_EQ(p_walker->findPath(Vector(5, 5)), 0);
  ASSERT_EQ(p_walker->findPath(Vector(6, 7)), 0);  // replaces the first
  EXPECT_EQ(paths().getPathFindCount(), 1);
  vt::PathFind* p_search = p_walker->getPathFind();
  EXPECT_EQ(p_search->getStart(), (GridPoint{1, 1}));
  EXPECT_EQ(p_search->getEnd(), (GridPoint{6, 7}));
  EXPECT_EQ(p_walker->findPath(Vector(125, 5)), -1);  // outside the world
  EXPECT_EQ(p_walker->getPathFind(), p_search);
  delete p_walker;
  EXPECT_EQ(paths().getPathFindCount(), 0);
}

TEST_F(PathFollowingTest, UnreachableTargetLeavesThePathStateAsItWas) {
  enclose(5, 5);
  vt::Object walker;
  follow(walker, {Vector(0, 0), Vector(0, 3)});
  walker.findPath(Vector(5, 5));
  vt::cycleTimed(paths(), [] { return 0; });
  EXPECT_EQ(walker.getPathFind(), nullptr);
  EXPECT_EQ(paths().getPathFindCount(), 0);
  EXPECT_TRUE(walker.isPathFollowing());
  EXPECT_EQ(walker.getPath().getIndex(), 1);
  EXPECT_EQ(walker.getPath().getNodeCount(), 2);
  EXPECT_EQ(walker.getDirection(), Vector(0, 1));
  EXPECT_TRUE(logged({"PathFind::cycleOnce(): done. NOT_FOUND.",
                      "Object::eventHandler(): Object " + std::to_string(walker.getId()) +
                          " (Object) got path event."}));
}

TEST_F(PathFollowingTest, OneNodeAStepUpToTheLastWhereItStops) {
  vt::Object walker;
  walker.setType("Walker");
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
  EXPECT_TRUE(
      logged({"Object::doPathFollowing(): Walker, next node (1,1), speed 0.00, dir (0.71,0.71)",
              "\tBox: (0.00, 0.00), h 1.00, v 1.00", "\tAt next node. On to (3, 1)",
              "\tdir (0.95, 0.32), speed 0.00", "\tAt next node. End of path."}));
}

TEST_F(PathFollowingTest, ObjectSearchesAndWalksAroundAWallToItsTarget) {
  world().setBoundary(Box(Vector(), 12, 8));
  for (int y = 0; y < 6; y++) wall(5, y);
  vt::Object walker;
  walker.setSolidness(vt::SOFT);
  walker.setPosition(Vector(2, 2));
  walker.setSpeed(0.5f);
  ASSERT_EQ(walker.findPath(Vector(9, 2)), 0);
  for (int frame = 0; frame < 500 && (walker.getPathFind() || walker.isPathFollowing()); frame++) {
    paths().cycle();
    world().update();
  }
  ASSERT_FALSE(walker.isPathFollowing());
  vt::Path path = walker.getPath();
  ASSERT_GT(path.getNodeCount(), 0);
  EXPECT_EQ(path.getNode(path.getNodeCount() - 1), Vector(9, 2));
  for (int i = 0; i < path.getNodeCount(); i++)
    EXPECT_FALSE(path.getNode(i).getX() == 5 && path.getNode(i).getY() < 6) << text(path);
  Vector at = walker.getPosition();
  EXPECT_TRUE(std::abs(at.getX() - 9) <= 0.5f && std::abs(at.getY() - 2) <= 0.5f);
}
