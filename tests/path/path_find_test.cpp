#include <gtest/gtest.h>

#include "PathTestSupport.h"

using namespace path_test;
using vt::Box;
using vt::GridPoint;
using vt::Vector;
using world_test::logged;

using PathFindTest = PathTest;

TEST_F(PathFindTest, StartEqualToEndIsFoundWithOneNode) {
  vt::Object walker;
  vt::PathFind search(&walker, GridPoint{3, 4}, GridPoint{3, 4});
  EXPECT_EQ(search.cycleOnce(), vt::FOUND);
  EXPECT_EQ(text(search.getPath()), "(3,4) ");
  EXPECT_EQ(search.getPath().getIndex(), 0);
  EXPECT_TRUE(logged({"PathFind::cycleOnce(): done. FOUND.", "PathFind::getPath(): (3,4) "}));
}

TEST_F(PathFindTest, PlyExpandsTheNeighboursInOrderAndSaysSo) {
  vt::Object walker;
  world().setBoundary(Box(Vector(), 2, 2));
  vt::PathFind search(&walker, GridPoint{0, 0}, GridPoint{1, 1});
  EXPECT_EQ(search.cycleOnce(), vt::INCOMPLETE);
  std::vector<std::string> examined;
  for (const std::string& line : vt_test::readLines("vantle.log"))
    if (line.rfind("\tExamining", 0) == 0) examined.push_back(line);
  EXPECT_EQ(examined,
            (std::vector<std::string>{"\tExamining neighbor (1, 0)", "\tExamining neighbor (0, 1)",
                                      "\tExamining neighbor (1, 1)"}));
  EXPECT_TRUE(
      logged({"-------------------------------", "PathFind::cycleOnce(): ply 1",
              "\tNode (0,0), cost 1.41 to min inf", "\tClosed set: (0,0) ", "\t\tin_open new",
              "\t\tbetter path from (0, 0) (from_start 1.41, to_end 1.41)",
              "PathFind::cycleOnce(): done. INCOMPLETE."}));
  EXPECT_EQ(search.cycleOnce(), vt::FOUND);
  EXPECT_EQ(text(search.getPath()), "(0,0) (1,1) ");
  EXPECT_EQ(search.getPly(), 2);
}

TEST_F(PathFindTest, OnlyHardObjectsBlock) {
  vt::Object walker;
  world().setBoundary(Box(Vector(), 5, 1));
  vt::Object* p_soft = wall(2, 0, vt::SOFT);
  wall(3, 0, vt::SPECTRAL);
  vt::PathFind through(&walker, GridPoint{0, 0}, GridPoint{4, 0});
  EXPECT_EQ(finish(through), vt::FOUND);
  EXPECT_EQ(text(through.getPath()), "(0,0) (1,0) (2,0) (3,0) (4,0) ");
  p_soft->setSolidness(vt::HARD);
  vt::PathFind blocked(&walker, GridPoint{0, 0}, GridPoint{4, 0});
  EXPECT_EQ(finish(blocked), vt::NOT_FOUND);
  EXPECT_TRUE(logged({"\t\tCollision (Wall)", "PathFind::cycleOnce(): done. NOT_FOUND."}));
}

TEST_F(PathFindTest, EnclosedTargetEndsOnceEveryReachableCellIsClosed) {
  vt::Object walker;
  enclose(5, 5);
  vt::PathFind search(&walker, GridPoint{0, 0}, GridPoint{5, 5});
  EXPECT_EQ(finish(search), vt::NOT_FOUND);
  EXPECT_EQ(search.getPly(), 49 - 8 - 1);             // one ply per reachable cell
  EXPECT_EQ(text(search.getPath()), "(0,0) (5,5) ");  // ends although never reached
}

TEST_F(PathFindTest, TiesGoToTheLaterDiscoveredCell) {
  vt::Object walker;
  world().setBoundary(Box(Vector(), 3, 3));
  for (int x = 0; x < 3; x++) wall(x, 1);
  vt::PathFind search(&walker, GridPoint{1, 0}, GridPoint{1, 2});
  search.cycleOnce();  // opens (0,0) and then (2,0) at equal cost
  search.cycleOnce();
  EXPECT_TRUE(logged({"\tNode (0,0), cost 3.24 to min 3.24", "\tLowest (2,0), cost 3.24"}));
}

TEST_F(PathFindTest, EqualSecondRouteReplacesTheParent) {
  vt::Object walker;
  world().setBoundary(Box(Vector(), 5, 3));
  vt::PathFind search(&walker, GridPoint{0, 0}, GridPoint{4, 2});
  EXPECT_EQ(finish(search), vt::FOUND);
  // (2,1) is reached first by (1,1), then at the same cost by (1,0).
  EXPECT_TRUE(logged({"\t\tbetter path from (1, 1) (from_start 2.41, to_end 4.65)",
                      "\t\tbetter path from (1, 0) (from_start 2.41, to_end 4.65)"}));
  EXPECT_EQ(text(search.getPath()), "(0,0) (1,0) (2,1) (3,2) (4,2) ");
}

TEST_F(PathFindTest, GridKeepsTheSizeItWasMadeWith) {
  vt::Object walker;
  world().setBoundary(Box(Vector(), 4, 4));
  vt::PathFind* p_search = new vt::PathFind(&walker, GridPoint{0, 0}, GridPoint{6, 6});
  world().setBoundary(Box(Vector(), 8, 8));
  EXPECT_EQ(finish(*p_search), vt::NOT_FOUND);  // never past the grid it has
  EXPECT_EQ(p_search->getPly(), 16);
  world().setBoundary(Box(Vector(), 2, 2));
  delete p_search;  // frees the 4 rows it has, not 2

  world().setBoundary(Box(Vector(), 3, 3));
  vt::PathFind shrunk(&walker, GridPoint{0, 0}, GridPoint{2, 2});
  world().setBoundary(Box(Vector(), 2, 2));
  EXPECT_EQ(finish(shrunk), vt::NOT_FOUND);  // nor past the world it is in
  EXPECT_EQ(shrunk.getPly(), 4);
}
