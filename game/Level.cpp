#include "Level.h"

#include "Door.h"
#include "Hero.h"
#include "Key.h"
#include "LevelLayout.h"
#include "Timer.h"
#include "Wall.h"
#include "world/ObjectListIterator.h"
#include "world/ViewObject.h"
#include "world/WorldManager.h"

namespace {

vt::Vector at(Cell cell) {
  return vt::Vector(static_cast<float>(cell.x), static_cast<float>(cell.y));
}

void addHelp(vt::ViewObjectLocation location, const char* text) {
  vt::ViewObject* p_help = new vt::ViewObject;
  p_help->setLocation(location);
  p_help->setViewString(text);
  p_help->setDrawValue(false);
  p_help->setColor(vt::GREEN);
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

void buildLevel(int level) {
  vt::ViewObject* p_level_view = new vt::ViewObject;
  p_level_view->setLocation(vt::TOP_LEFT);
  p_level_view->setViewString("Level");
  p_level_view->setValue(level);
  p_level_view->setColor(vt::YELLOW);

  Timer* p_timer = new Timer;
  if (level < 1 || level > LEVEL_COUNT) return;

  LevelPlan plan = levelPlan(level);
  p_timer->setValue(plan.time_limit);
  if (plan.has_door) new Door(plan.door_keys, at(plan.door));
  for (Cell key : plan.keys) new Key(at(key));
  new Hero(plan.time_limit, static_cast<int>(plan.keys.size()), at(plan.hero));
  for (const WallPiece& piece : levelWalls(level)) new Wall(piece.kind, at(piece.cell));

  if (level == 1) {
    addHelp(vt::CENTER_RIGHT, "WASD/arrows to move, Q to quit");
    addHelp(vt::BOTTOM_CENTER, "Collect the keys and find the doors before time runs out!");
  }
}
