#include "Level.h"

#include <string>

#include "BestTimes.h"
#include "Door.h"
#include "Hero.h"
#include "Key.h"
#include "Message.h"
#include "Play.h"
#include "Setup.h"
#include "Timer.h"
#include "Wall.h"
#include "world/ObjectListIterator.h"
#include "world/ViewObject.h"
#include "world/WorldManager.h"

namespace {

vt::Vector at(Cell cell) {
  return vt::Vector(static_cast<float>(cell.x), static_cast<float>(cell.y));
}

vt::ViewObject* addHelp(vt::ViewObjectLocation location, const char* text) {
  vt::ViewObject* p_help = new vt::ViewObject;
  p_help->setLocation(location);
  p_help->setViewString(text);
  p_help->setDrawValue(false);
  p_help->setColor(vt::GREEN);
  return p_help;
}

// Unframed in the free cells between the level display and the keys display.
void addBestTime(int level) {
  int best = bestTimes().get(level);
  vt::ViewObject* p_best = new vt::ViewObject;
  p_best->setViewString(best < 0 ? "Best --" : "Best " + std::to_string(best) + "s");
  p_best->setDrawValue(false);
  p_best->setBorder(false);
  p_best->setColor(vt::YELLOW);
  p_best->setPosition(vt::Vector(23, 1));
}

std::vector<Maze>& playerMazes() {
  static std::vector<Maze> mazes;
  return mazes;
}

}  // namespace

int& currentLevel() {
  static int level = 1;
  return level;
}

void clearLevel() {
  vt::WorldManager& world = vt::WorldManager::getInstance();
  vt::ObjectList all = world.getAllObjects();
  for (vt::ObjectListIterator it(&all); !it.isDone(); it.next())
    world.markForDelete(it.currentObject());
}

void populateLevel(const Maze& maze) {
  const LevelPlan& plan = maze.plan;
  if (plan.has_door) new Door(plan.door_keys, at(plan.door));
  for (Cell key : plan.keys) new Key(at(key));
  new Hero(plan.time_limit, static_cast<int>(plan.keys.size()), at(plan.hero));
  for (const WallPiece& piece : wallPieces(maze.walls)) new Wall(piece.kind, at(piece.cell));
}

void buildLevel(int level) {
  vt::ViewObject* p_level_view = new vt::ViewObject;
  p_level_view->setLocation(vt::TOP_LEFT);
  p_level_view->setViewString("Level");
  p_level_view->setValue(level);
  p_level_view->setColor(vt::YELLOW);

  Timer* p_timer = new Timer;
  if (level < 1 || level > levelCount()) return;

  Maze maze = levelMaze(level);
  p_timer->setValue(maze.plan.time_limit);
  populateLevel(maze);
  coverMessageRow();

  if (!playsBuiltInLevels()) {
    if (level < levelCount() && !maze.name.empty())
      new Message(maze.name, vt::GREEN, MESSAGE_STEPS);
    return;
  }
  if (level == 1) {
    addHelp(vt::CENTER_RIGHT, "WASD/arrows to move, Q to quit");
    addHelp(vt::BOTTOM_CENTER, "Collect the keys and find the doors before time runs out!");
    // Below the first line, framed the same way.
    addHelp(vt::CENTER_RIGHT, "P/Esc pause, R restart, M mute")
        ->setPosition(vt::Vector(VIEW_HORIZONTAL * 5 / 6, VIEW_VERTICAL / 2 + 3));
  }
  if (maze.plan.has_door) addBestTime(level);
}

void playMazes(std::vector<Maze> mazes) { playerMazes() = std::move(mazes); }

bool playsBuiltInLevels() { return playerMazes().empty(); }

int levelCount() {
  return playsBuiltInLevels() ? LEVEL_COUNT : static_cast<int>(playerMazes().size()) + 1;
}

Maze levelMaze(int level) {
  if (playsBuiltInLevels()) return builtInMaze(level);
  int mazes = static_cast<int>(playerMazes().size());
  return level >= 1 && level <= mazes ? playerMazes()[level - 1] : builtInMaze(LEVEL_COUNT);
}
