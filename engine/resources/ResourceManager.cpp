#include "resources/ResourceManager.h"

#include "core/LogManager.h"

namespace vt {

ResourceManager::ResourceManager() { setType("ResourceManager"); }

ResourceManager& ResourceManager::getInstance() {
  static ResourceManager instance;
  return instance;
}

int ResourceManager::startUp() {
  Manager::startUp();
  LogManager::getInstance().writeLog(1, "ResourceManager::startUp(): successfully started.");
  return 0;
}

void ResourceManager::shutDown() {
  Manager::shutDown();
  LogManager::getInstance().writeLog(1, "ResourceManager::shutDown(): successfully stopped.");
}

}  // namespace vt
