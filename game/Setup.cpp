#include "Setup.h"

#include "vantle.h"

void setWorldSize() {
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setBoundary(vt::Box(vt::Vector(0, 0), WORLD_HORIZONTAL, WORLD_VERTICAL));
  world.setView(vt::Box(vt::Vector(0, 0), VIEW_HORIZONTAL, VIEW_VERTICAL));
}
