#include <gtest/gtest.h>

#include "PathTestSupport.h"

using namespace path_test;
using vt::Box;
using vt::GridPoint;
using vt::Vector;
using world_test::logged;

namespace {
using PathFindTest = PathTest;

// A search from 'a' to 'b' (or on 'x', both) on a map of walls, what it
// ends with after how many plies, and a line of its log.
struct SearchCase {
  std::vector<std::string> map;
  int status, plies;
  std::string path, line;
};

// clang-format off
const SearchCase CASES[] = {
    {{"...x."}, vt::FOUND, 1, "(3,0) ", "PathFind::getPath(): (3,0) "},
    {{"a.", ".b"}, vt::FOUND, 2, "(0,0) (1,1) ",
     "\t\tbetter path from (0, 0) (from_start 1.41, to_end 1.41)"},
    {{"a.s~b"}, vt::FOUND, 5, "(0,0) (1,0) (2,0) (3,0) (4,0) ", "\t\tin_closed already"},
    {{"a.#~b"}, vt::NOT_FOUND, 2, "(0,0) (4,0) ", "\t\tCollision (Wall)"},
    // Equal costs: the cell discovered last is taken first, rows before columns.
    {{"a..", ".#.", "..b"}, vt::FOUND, 5, "(0,0) (1,0) (2,1) (2,2) ", "\tLowest (0,1), cost 3.24"},
    {{".a.", "###", ".b."}, vt::NOT_FOUND, 3, "(1,0) (1,2) ", "\tLowest (2,0), cost 3.24"},
    // (2,1) is reached from (1,1), then at the same cost from (1,0), its parent.
    {{"a....", ".....", "....b"}, vt::FOUND, 6, "(0,0) (1,0) (2,1) (3,2) (4,2) ",
     "\t\tbetter path from (1, 0) (from_start 2.41, to_end 4.65)"},
    // Enclosed: ends once every reachable cell is closed, a ply each.
    {{"a......", ".......", ".......", ".......", "....###", "....#b#", "....###"},
     vt::NOT_FOUND, 40, "(0,0) (5,5) ", "PathFind::cycleOnce(): done. NOT_FOUND."},
};
// clang-format on

// Where c marks the map.
GridPoint find(const std::vector<std::string>& map, const char* c) {
  for (int y = 0; y < static_cast<int>(map.size()); y++)
    if (map[y].find_first_of(c) != std::string::npos)
      return GridPoint{static_cast<int>(map[y].find_first_of(c)), y};
  return GridPoint{};
}
}  // namespace

TEST_F(PathFindTest, SearchesEndAsTheMapAllows) {
  vt::Object walker;
  for (const SearchCase& c : CASES) {
    SCOPED_TRACE(c.path);
    vt::LogManager::getInstance().shutDown();
    vt_test::startPlainLog();
    std::vector<vt::Object*> walls = build(c.map);
    vt::PathFind search(&walker, find(c.map, "ax"), find(c.map, "bx"));
    EXPECT_EQ(finish(search), c.status);
    EXPECT_EQ(search.getPly(), c.plies);
    EXPECT_EQ(text(search.getPath()), c.path);
    EXPECT_TRUE(logged({c.line}));
    for (vt::Object* p_wall : walls) delete p_wall;
  }
}

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
