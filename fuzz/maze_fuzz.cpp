// Feeds arbitrary bytes to the maze file reader. What it accepts must fit
// the game's world and write back to lines it reads again as the same maze;
// what it refuses it refuses at a line and column of the input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "maze.h"

namespace {

std::string written(const Maze& maze) {
  std::ostringstream out;
  writeMaze(out, maze);
  return out.str();
}

void checkFits(const Maze& maze) {
  auto inWorld = [](Cell c) { return c.x >= 0 && c.x <= 125 && c.y >= 0 && c.y <= 100; };
  const LevelPlan& plan = maze.plan;
  FUZZ_CHECK(plan.time_limit >= 1 && plan.time_limit <= 999);
  FUZZ_CHECK(inWorld(plan.door) && plan.hero.x >= 0 && plan.hero.x < 125 && plan.hero.y >= 0 &&
             plan.hero.y < 100);
  FUZZ_CHECK(plan.door_keys == static_cast<int>(plan.keys.size()));
  FUZZ_CHECK(plan.keys.empty() || plan.has_door);
  FUZZ_CHECK(std::all_of(plan.keys.begin(), plan.keys.end(), inWorld));
  std::vector<WallPiece> pieces = wallPieces(maze.walls);
  FUZZ_CHECK(pieces.size() <= 20000);
  for (const WallPiece& piece : pieces) FUZZ_CHECK(inWorld(piece.cell));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vt_fuzz::startQuietEngine(0);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text = vt_fuzz::textOf(data, size);
  std::istringstream in(text);
  Maze maze;
  std::string error;
  if (!readMaze(in, "f", maze, error)) {
    int line = 0, column = 0;
    char expected[10] = {};
    FUZZ_CHECK(std::sscanf(error.c_str(), "f:%d:%d: %9s", &line, &column, expected) == 3);
    // A fault at the end of the file is said on its last line.
    FUZZ_CHECK(line >= 1 &&
               line <= static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1);
    FUZZ_CHECK(column >= 1 && std::string(expected) == "expected");
    FUZZ_CHECK(error.find(", found ") != std::string::npos);
    return 0;
  }
  checkFits(maze);
  std::string again = written(maze);
  std::istringstream in_again(again);
  Maze read_again;
  FUZZ_CHECK(readMaze(in_again, "f", read_again, error));
  FUZZ_CHECK_EQ(written(read_again), again);
  return 0;
}
