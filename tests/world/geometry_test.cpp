#include <gtest/gtest.h>

#include "WorldTestSupport.h"

using namespace world_test;
using vt::Box;
using vt::Vector;

using GeometryTest = WorldTest;

TEST_F(GeometryTest, BoxesIntersectInclusivelyAndDefaultBoxesOnlyOnTheSameCell) {
  Box unit(Vector(0, 0), 1, 1);
  auto meet = [](Box a, Box b) { return vt::boxIntersectsBox(a, b) && vt::boxIntersectsBox(b, a); };
  auto apart = [](Box a, Box b) {
    return !vt::boxIntersectsBox(a, b) && !vt::boxIntersectsBox(b, a);
  };
  EXPECT_TRUE(meet(unit, Box(Vector(1, 0), 1, 1)));
  EXPECT_TRUE(meet(unit, Box(Vector(1, 1), 1, 1)));
  EXPECT_TRUE(apart(unit, Box(Vector(1.5f, 0), 1, 1)));
  EXPECT_TRUE(apart(unit, Box(Vector(0, -1.5f), 1, 1)));
  EXPECT_TRUE(meet(Box(Vector(0.5f, 0.5f), 0, 0), unit));

  Probe a("a", Vector(1, 1)), b("b", Vector(2, 1)), c("c", Vector(1, 1));
  EXPECT_FALSE(vt::boxIntersectsBox(vt::getWorldBox(&a), vt::getWorldBox(&b)));
  EXPECT_TRUE(vt::boxIntersectsBox(vt::getWorldBox(&a), vt::getWorldBox(&c)));
  Box moved = vt::getWorldBox(&a, Vector(2, 1));
  EXPECT_EQ(moved.getCorner(), Vector(1.5f, 0.5f));
  EXPECT_TRUE(vt::boxIntersectsBox(moved, vt::getWorldBox(&b)));
}

TEST_F(GeometryTest, ViewsCentreClampedAtTheFarEdgeFirstOrFollowWithSlack) {
  Box world_box(Vector(), 125, 100), view(Vector(), 75, 20), small(Vector(), 20, 10);
  EXPECT_EQ(vt::centreView(view, world_box, Vector(10, 10)), Vector(0, 0));
  EXPECT_EQ(vt::centreView(view, world_box, Vector(100, 50)), Vector(50, 40));
  EXPECT_EQ(vt::centreView(view, world_box, Vector(120, 99)), Vector(50, 80));
  EXPECT_EQ(vt::centreView(view, Box(Vector(), 50, 100), Vector(40, 50)).getX(), 0);
  Vector half(0.5f, 0.5f);
  EXPECT_EQ(vt::followWithSlack(small, world_box, half, Vector(12, 5)), Vector(0, 0));
  EXPECT_EQ(vt::followWithSlack(small, world_box, half, Vector(17, 5)), Vector(2, 0));
  EXPECT_EQ(vt::followWithSlack(small, world_box, Vector(), Vector(60, 50)), Vector(50, 45));

  world().setView(Box(Vector(13, 7), 75, 20));
  EXPECT_EQ(vt::worldToView(Vector(20, 10)), Vector(7, 3));
  EXPECT_EQ(vt::viewToWorld(vt::worldToView(Vector(2.5f, -4))), Vector(2.5f, -4));
}
