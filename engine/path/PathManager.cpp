#include "path/PathManager.h"

#include <algorithm>

#include "core/Clock.h"
#include "core/EventPath.h"
#include "core/GameManager.h"
#include "core/LogManager.h"
#include "path/PathCycle.h"
#include "path/PathFind.h"
#include "world/Object.h"

namespace vt {

PathManager::PathManager() : cycle_time(0), last_plies(0), planned_plies(-1) {
  setType("PathManager");
}

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

void PathManager::cycle() {
  Clock clock;
  cycle([&clock] { return clock.split(); });
}

void PathManager::cycle(const std::function<int()>& split) {
  auto elapsed = [&split] { return split() / 1000; };
  int plan = planned_plies;
  planned_plies = -1;
  last_plies = 0;
  // Without a budget (a frame time of 0 or 1) each search still takes one
  // ply per cycle, so that searches end in a game that runs at full speed.
  bool once = cycle_time <= 0;
  // A planned cycle ends at its count of plies instead of its time.
  auto goOn = [&] { return plan >= 0 ? last_plies < plan : once || elapsed() < cycle_time; };
  auto stop = [&] { return plan >= 0 ? last_plies >= plan : !once && overran(elapsed()); };
  while (!path_finds.empty() && goOn()) {
    std::size_t i = 0;
    while (i < path_finds.size()) {
      PathFind* p_path_find = path_finds[i];
      int status = p_path_find->cycleOnce();
      last_plies++;
      if (status == INCOMPLETE) {
        i++;
      } else {
        // The owner normally unregisters and deletes the search, and the
        // next one moves into its place; one left registered goes again.
        EventPath event(static_cast<SearchStatus>(status), p_path_find->getPath());
        p_path_find->getObject()->eventHandler(&event);
        if (once && i < path_finds.size() && path_finds[i] == p_path_find) i++;
      }
      if (stop()) return;
    }
    if (once) return;
  }
  if (plan < 0) overran(elapsed());
}

void cycleTimed(PathManager& manager, const std::function<int()>& split) { manager.cycle(split); }

bool PathManager::overran(int elapsed) const {
  if (elapsed <= cycle_time) return false;
  LogManager::getInstance().writeLog(1, "PathManager::cycle(): cycle time %d exceeded.",
                                     cycle_time);
  return true;
}

int PathManager::registerPathFind(PathFind* p_path_find) {
  LogManager& log = LogManager::getInstance();
  if (!isStarted()) {
    log.writeLog("%s not started!", getType().c_str());
    return -1;
  }
  if (!p_path_find || !p_path_find->getObject() || isRegistered(p_path_find)) {
    log.writeLog("PathManager::registerPathFind(): cannot register %p",
                 static_cast<void*>(p_path_find));
    return -1;
  }
  path_finds.push_back(p_path_find);
  log.writeLog(2, "PathManager::registerPathFind(): finder is %d", getPathFindCount());
  return 0;
}

int PathManager::unregisterPathFind(PathFind* p_path_find) {
  LogManager& log = LogManager::getInstance();
  log.writeLog("PathManager::unregisterPathFind(): p_path_find is %p",
               static_cast<void*>(p_path_find));
  if (!p_path_find || !isRegistered(p_path_find)) return -1;
  path_finds.erase(std::remove(path_finds.begin(), path_finds.end(), p_path_find),
                   path_finds.end());
  log.writeLog("PathManager::unregisterPathFind(): finder is %d", getPathFindCount());
  return 0;
}

bool PathManager::isRegistered(const PathFind* p_path_find) const {
  return std::find(path_finds.begin(), path_finds.end(), p_path_find) != path_finds.end();
}

int PathManager::getPathFindCount() const { return static_cast<int>(path_finds.size()); }

int PathManager::getCycleTime() const { return cycle_time; }

int PathManager::getLastPlies() const { return last_plies; }

void PathManager::planPlies(int plies) { planned_plies = plies; }

}  // namespace vt
