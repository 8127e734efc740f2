#include "MazeCheck.h"

#include <cstdio>
#include <cstdlib>

#include "Level.h"
#include "MazeFile.h"
#include "RoutePlanner.h"
#include "Setup.h"
#include "core/Config.h"
#include "core/LogManager.h"
#include "resources/ResourceManager.h"
#include "world/WorldManager.h"

namespace {

std::string where(Cell cell) {
  return "(" + std::to_string(cell.x) + ", " + std::to_string(cell.y) + ")";
}

MazeVerdict judge(const Maze& maze) {
  std::vector<vt::Object*> heroes = objectsOfType("Hero");
  if (heroes.empty()) return {false, "the maze has no hero"};
  std::vector<vt::Object*> doors = objectsOfType("Door");
  if (doors.empty()) return {false, "no door: the maze cannot be won"};
  RoutePlanner planner(heroes.back());
  // A hero that leaves the world is lost from the view and the game.
  Cell edge{};
  if (planner.wayOut(edge))
    return {false, "the hero can walk out of the world from " + where(edge)};
  std::vector<Cell> walk;
  Cell push{};
  // Keys are SOFT: taking one changes no way, so each is planned from the start.
  std::vector<vt::Object*> keys = objectsOfType("Key");
  for (std::size_t i = 0; i < keys.size(); i++)
    if (!planner.walkTo({keys[i]}, false, walk, push))
      return {false, "key " + std::to_string(i + 1) + " at " + where(maze.plan.keys[i]) +
                         " cannot be reached"};
  if (!planner.walkTo(doors, true, walk, push))
    return {false, "the door at " + where(maze.plan.door) + " cannot be reached"};
  return {true,
          keys.empty() ? "the door can be reached" : "every key and then the door can be reached"};
}

}  // namespace

MazeVerdict checkMaze(const Maze& maze) {
  populateLevel(maze);
  MazeVerdict verdict = judge(maze);
  clearLevel();
  vt::WorldManager::getInstance().update();  // the maze's objects go now
  return verdict;
}

void warnIfUnwinnable(const std::string& file) {
  MazeVerdict verdict = checkMaze(levelMaze(1));
  if (verdict.winnable) return;
  std::fprintf(stderr, "maze: %s: %s; it is played all the same.\n", file.c_str(),
               verdict.text.c_str());
  vt::LogManager::getInstance().writeLog("warnIfUnwinnable(): Warning! '%s': %s.", file.c_str(),
                                         verdict.text.c_str());
}

int checkMazeFile(const std::string& file) {
  Maze maze;
  std::string error;
  if (!readMazeFile(file, maze, error)) {
    std::fprintf(stderr, "maze: %s\n", error.c_str());
    return 1;
  }
  vt::Config::getInstance().setLogFile("/dev/null");
  // A check plays nothing: OpenAL's silent driver spares asking the sound card.
  setenv("ALSOFT_DRIVERS", "null", 1);
  vt::LogManager& log = vt::LogManager::getInstance();
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  vt::WorldManager& world = vt::WorldManager::getInstance();
  // The log's own lines above tell why it could not be opened.
  if (log.startUp() != 0) {
    std::fprintf(stderr, "maze: cannot check '%s' without a log\n", file.c_str());
    return 1;
  }
  bool ready = resources.startUp() == 0 && world.startUp() == 0 && loadGameSprites();
  MazeVerdict verdict{false, ""};
  if (ready) {
    setWorldSize();
    verdict = checkMaze(maze);
  }
  world.shutDown();
  resources.shutDown();
  log.shutDown();
  if (!ready) {
    std::fprintf(stderr, "maze: cannot check '%s' without the game's sprites in sprites/\n",
                 file.c_str());
    return 1;
  }
  std::printf("%s: %s.\n", file.c_str(), verdict.text.c_str());
  return verdict.winnable ? 0 : 1;
}
