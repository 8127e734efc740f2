#include "path/PathManager.h"

#include "core/GameManager.h"
#include "core/LogManager.h"

namespace vt {

PathManager::PathManager() : cycle_time(0) { setType("PathManager"); }

PathManager& PathManager::getInstance() {
  static PathManager instance;
  return instance;
}

int PathManager::startUp() {
  LogManager& log = LogManager::getInstance();
  if (isStarted()) {
    log.writeLog("PathManager::startup(): Warning! PathManager already started.");
    return -1;
  }
  cycle_time = GameManager::getInstance().getFrameTime() / 2;
  Manager::startUp();
  log.writeLog(1, "PathManager::startUp(): successfully started.");
  return 0;
}

void PathManager::shutDown() {
  Manager::shutDown();
  LogManager::getInstance().writeLog(1, "PathManager::shutDown(): successfully stopped.");
}

void PathManager::cycle() {}

}  // namespace vt
