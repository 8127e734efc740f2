// Maze files: what a drawing makes, built-in levels written and read back,
// and faulty files refused at their line and column.
#include <array>

#include "TestSupport.h"
#include "maze.h"

namespace {

using Pieces = std::vector<std::array<int, 3>>;  // kind, x, y

Pieces flat(const std::vector<WallPiece>& pieces) {
  Pieces out;
  for (const WallPiece& p : pieces) out.push_back({p.kind, p.cell.x, p.cell.y});
  return out;
}

// Everything of a plan but the walls.
std::string text(const LevelPlan& plan) {
  std::ostringstream out;
  out << plan.time_limit << " door " << plan.has_door << ' ' << plan.door_keys << ' ' << plan.door.x
      << ',' << plan.door.y << " hero " << plan.hero.x << ',' << plan.hero.y << " keys";
  for (Cell key : plan.keys) out << ' ' << key.x << ',' << key.y;
  return out.str();
}

std::string repeated(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; i++) out += text;
  return out;
}

bool read(const std::string& text, Maze& maze, std::string& error) {
  std::istringstream in(text);
  return readMaze(in, "m.maze", maze, error);
}

}  // namespace

TEST(MazeFileTest, ADrawingMakesItsPiecesRowByRowWithCornersJoinedAsDrawn) {
  Maze maze;
  std::string error;
  // A byte-order mark first is skipped.
  ASSERT_TRUE(read(
      "\xEF\xBB\xBF# corners\nname  A  box \ntime 9\nmap\n+--+\n|@k|\n+-[===]-+\nend\nkey 1 1\n",
      maze, error))
      << error;
  EXPECT_EQ(maze.name, "A  box");
  EXPECT_EQ(text(maze.plan), "9 door 1 2 4,2 hero 1,1 keys 2,1 1,1");
  // Top corners over their '|', bottom ones beside their '-'.
  EXPECT_EQ(flat(wallPieces(maze.walls)),
            (Pieces{{4, 0, 1}, {1, 1, 0}, {1, 2, 0}, {4, 3, 1}, {5, 1, 2}, {6, 8, 2}}));
}

TEST(MazeFileTest, EveryBuiltInLevelWrittenOutReadsBackAsTheSameLevel) {
  for (int level = 1; level <= LEVEL_COUNT; level++) {
    SCOPED_TRACE("level " + std::to_string(level));
    std::ostringstream out;
    writeMaze(out, builtInMaze(level));
    Maze maze;
    std::string error;
    ASSERT_TRUE(read(out.str(), maze, error)) << error;
    EXPECT_EQ(text(maze.plan), text(levelPlan(level)));
    EXPECT_EQ(flat(wallPieces(maze.walls)), flat(levelWalls(level)));
  }
}

// What is missing is said at the end of the last line.
TEST(MazeFileTest, FaultsAreRefusedWithLineColumnWhatWasExpectedAndWhatWasFound) {
  const std::string head = "time 30\nhero 5 5\n";
  const std::string kinds =
      "a kind of wall: horizontal, vertical, top-corner, bottom-left, bottom-right, "
      "long-horizontal or long-vertical";
  const std::string keywords = "'name', 'time', 'map', 'door', 'key', 'hero', 'wall' or a comment";
  const std::pair<std::string, std::string> cases[] = {
      {"", "m.maze:1:1: expected a 'time' line with the time limit, found the end of the file"},
      {"hero 5 5\n",
       "m.maze:1:9: expected a 'time' line with the time limit, found the end of the file"},
      {"time 30\n",
       "m.maze:1:8: expected a hero: '@' on the map or a 'hero' line, found the end of the file"},
      {"time 0\n",
       "m.maze:1:6: expected the time limit, a whole number of seconds from 1 to 999, found '0'"},
      {head + "key 3\n",
       "m.maze:3:6: expected y, a whole number from 0 to 100, found the end of the line"},
      {head + "key 3 4\n# the end\n",
       "m.maze:4:10: expected a door for the keys: '[===]' on the map or a 'door' line, found "
       "the end of the file"},
      {head + "hero 1 1\n", "m.maze:3:1: expected only one hero, found 'hero'"},
      {head + "wall corner 1 1\n", "m.maze:3:6: expected " + kinds + ", found 'corner'"},
      {head + "wall vertcal 1 1\n",
       "m.maze:3:6: expected " + kinds + ", found 'vertcal'; did you mean 'vertical'?"},
      {head + "wall vertical 4 4 3 9\n",
       "m.maze:3:19: expected the run's end right of or below its start, in line with it, "
       "found '3'"},
      {head + " tiem 3\n",
       "m.maze:3:2: expected " + keywords + ", found 'tiem'; did you mean 'time'?"},
      {head + "map\n |\n +\nend\n",
       "m.maze:5:2: expected a '|' below or a '-' beside the corner '+', found '+'"},
      {head + "map\n  [==]\nend\n", "m.maze:4:6: expected the door '[===]', found ']'"},
      {head + "map\n -K\nend\n",
       "m.maze:4:3: expected a cell of the map: ' ', '.', '-', '|', '+', '@', 'k' or the door "
       "'[===]', found 'K'"},
      {head + "map\n\t-\nend\n",
       "m.maze:4:1: expected a cell of the map: ' ', '.', '-', '|', '+', '@', 'k' or the door "
       "'[===]', found a tab"},
      {head + "map\n" + std::string(127, '-') + "\nend\n",
       "m.maze:4:127: expected the end of the row: a map has at most 126 columns, found '-'"},
      {head + "map\n |\n",
       "m.maze:4:3: expected 'end' to close the map, found the end of the file"},
      {"time 30\nhero 125 99\n",
       "m.maze:2:1: expected a hero inside the world: x from 0 to 124, y from 0 to 99, found "
       "'hero'"},
      {head + std::string(5000, '#') + "\n",
       "m.maze:3:4097: expected the end of the line: a line has at most 4096 characters, found "
       "'#'"},
      {head + repeated("#########\n", 110000),
       "m.maze:104858:1: expected the end of the file: a maze file has at most 1048576 bytes, "
       "found '#########'"},
  };
  for (const auto& [text, expected] : cases) {
    Maze maze;
    std::string error;
    EXPECT_FALSE(read(text, maze, error)) << text.substr(0, 60);
    EXPECT_EQ(error, expected) << text.substr(0, 60);
  }
}
