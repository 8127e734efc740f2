#include "world/WorldManager.h"

#include "core/LogManager.h"

namespace vt {

WorldManager::WorldManager() { setType("WorldManager"); }

WorldManager& WorldManager::getInstance() {
  static WorldManager instance;
  return instance;
}

int WorldManager::startUp() {
  boundary = Box();
  view = Box();
  view_slack = Vector();
  Manager::startUp();
  LogManager::getInstance().writeLog(5, "WorldManager::startUp(): successfully started.");
  return 0;
}

void WorldManager::shutDown() { Manager::shutDown(); }

void WorldManager::update() {}

void WorldManager::draw() {}

void WorldManager::setBoundary(Box new_boundary) { boundary = new_boundary; }
Box WorldManager::getBoundary() const { return boundary; }
void WorldManager::setView(Box new_view) { view = new_view; }
Box WorldManager::getView() const { return view; }
void WorldManager::setViewSlack(Vector new_view_slack) { view_slack = new_view_slack; }
Vector WorldManager::getViewSlack() const { return view_slack; }

}  // namespace vt
