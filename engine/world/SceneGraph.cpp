#include "world/SceneGraph.h"

#include "core/LogManager.h"
#include "world/Geometry.h"

namespace vt {

namespace {
bool validAltitude(int altitude) { return altitude >= MIN_ALTITUDE && altitude <= MAX_ALTITUDE; }

bool solid(Solidness solidness) { return solidness == HARD || solidness == SOFT; }
}  // namespace

SceneGraph::SceneGraph() = default;

int SceneGraph::insertObject(Object* p_o) {
  LogManager& log = LogManager::getInstance();
  if (!p_o) return -1;
  if (!p_o->isActive()) return inactive_objects.insert(p_o);
  if (objects.insert(p_o) != 0) {
    log.writeLog("SceneGraph::insertObject(): unable to insert object");
    return -1;
  }
  if (p_o->isSolid() && addSolid(p_o) != 0) {
    log.writeLog("SceneGraph::insertObject(): unable to insert solid object");
    return -1;
  }
  if (!p_o->isVisible()) return 0;
  int altitude = p_o->getAltitude();
  if (!validAltitude(altitude)) {
    log.writeLog("SceneGraph::insertObject(): Altitude %d not in [%d,%d]!", altitude, MIN_ALTITUDE,
                 MAX_ALTITUDE);
    return -1;
  }
  if (visible_objects[altitude].insert(p_o) != 0) {
    log.writeLog("SceneGraph::insertObject(): unable to insert visible object");
    return -1;
  }
  return 0;
}

int SceneGraph::removeObject(Object* p_o) {
  bool failed;
  if (!p_o) {
    failed = true;
  } else if (!p_o->isActive()) {
    failed = inactive_objects.remove(p_o) != 0;
  } else {
    failed = objects.remove(p_o) != 0;
    int altitude = p_o->getAltitude();
    if (p_o->isVisible())
      failed = (!validAltitude(altitude) || visible_objects[altitude].remove(p_o) != 0) || failed;
    if (p_o->isSolid()) failed = dropSolid(p_o) != 0 || failed;
  }
  if (failed) {
    LogManager::getInstance().writeLog(
        "SceneGraph::removeObject(): error removing object!  Pointer is %p.\n",
        static_cast<void*>(p_o));
    return -1;
  }
  return 0;
}

ObjectList SceneGraph::activeObjects() const { return objects; }

ObjectList SceneGraph::solidObjects() const { return solid_objects; }

const ObjectList& SceneGraph::getActiveList() const { return objects; }

const ObjectList& SceneGraph::getVisibleList(int altitude) const {
  return visible_objects[altitude];
}

void SceneGraph::solidCollisions(const Box& box, const Object* p_except,
                                 std::vector<Object*>& found) const {
  if (grid.collisions(box, p_except, found)) return;
  // A box the index cannot answer for: every solid object is tested.
  for (Object* p_o : solid_objects)
    if (p_o != p_except && p_o->isSolid() && boxIntersectsBox(box, getWorldBox(p_o)))
      found.push_back(p_o);
}

void SceneGraph::setArea(const Box& area) { grid.setArea(area); }

void SceneGraph::updatePosition(Object* p_o) { grid.update(p_o); }

const CollisionGrid& SceneGraph::getGrid() const { return grid; }

int SceneGraph::addSolid(Object* p_o) {
  if (solid_objects.insert(p_o) != 0) return -1;
  grid.insert(p_o);
  return 0;
}

int SceneGraph::dropSolid(Object* p_o) {
  grid.remove(p_o);
  return solid_objects.remove(p_o);
}

ObjectList SceneGraph::inactiveObjects() const { return inactive_objects; }

ObjectList SceneGraph::visibleObjects(int altitude) const {
  if (!validAltitude(altitude)) {
    LogManager::getInstance().writeLog("SceneGraph::visibleObjects(): Altitude %d not in [%d,%d]!",
                                       altitude, MIN_ALTITUDE, MAX_ALTITUDE);
    return ObjectList();
  }
  return visible_objects[altitude];
}

int SceneGraph::updateAltitude(Object* p_o, int new_altitude) {
  LogManager& log = LogManager::getInstance();
  if (!p_o->isActive()) return 0;
  if (!validAltitude(new_altitude)) {
    log.writeLog("SceneGraph::updateAltitude(): New altitude %d not in [%d,%d]!  No update.",
                 new_altitude, MIN_ALTITUDE, MAX_ALTITUDE);
    return -1;
  }
  int old_altitude = p_o->getAltitude();
  if (!validAltitude(old_altitude)) {
    log.writeLog(
        "SceneGraph::updateAltitude(): Old altitude %d not in [%d,%d]!  This is unxepected.  No "
        "update.",
        old_altitude, MIN_ALTITUDE, MAX_ALTITUDE);
    return -1;
  }
  if (!p_o->isVisible()) return 0;
  if (visible_objects[old_altitude].remove(p_o) != 0) {
    log.writeLog("SceneGraph::updateAltitude(): remove from old altitude (%d) failed!",
                 old_altitude);
    return -1;
  }
  if (visible_objects[new_altitude].insert(p_o) != 0) {
    log.writeLog("SceneGraph::updateAltitude()): insert visible object at altitude %d failed!",
                 new_altitude);
    return -1;
  }
  return 0;
}

int SceneGraph::updateSolidness(Object* p_o, Solidness new_solidness) {
  LogManager& log = LogManager::getInstance();
  if (!p_o->isActive()) return 0;
  if (p_o->isSolid() && dropSolid(p_o) != 0)
    log.writeLog("SceneGraph::updateSolidness(): unable to remove solid object (%s)",
                 p_o->getType().c_str());
  if (solid(new_solidness) && addSolid(p_o) != 0) {
    log.writeLog("SceneGraph::updateSolidness(): unable to insert solid object");
    return -1;
  }
  return 0;
}

int SceneGraph::updateVisible(Object* p_o, bool new_visible) {
  LogManager& log = LogManager::getInstance();
  if (!p_o->isActive() || p_o->isVisible() == new_visible) return 0;
  int altitude = p_o->getAltitude();
  std::string type = p_o->getType();
  if (p_o->isVisible()) {
    if (!validAltitude(altitude) || visible_objects[altitude].remove(p_o) != 0) {
      log.writeLog("SceneGraph::updateVisible(): unable to remove visible object (%s)",
                   type.c_str());
      return -1;
    }
  } else if (!validAltitude(altitude) || visible_objects[altitude].insert(p_o) != 0) {
    log.writeLog("SceneGraph::updateVisible(): unable to add visible object (%s)", type.c_str());
    return -1;
  }
  return 0;
}

int SceneGraph::updateActive(Object* p_o, bool new_active) {
  if (p_o->isActive() == new_active) return 0;
  return p_o->isActive() ? deactivate(p_o) : activate(p_o);
}

int SceneGraph::deactivate(Object* p_o) {
  LogManager& log = LogManager::getInstance();
  std::string type = p_o->getType();
  int altitude = p_o->getAltitude();
  bool visible = p_o->isVisible() && validAltitude(altitude);
  int result = 0;
  if (objects.remove(p_o) != 0) {
    log.writeLog("SceneGraph::updateActive(): remove object (%s) failed for objects!",
                 type.c_str());
    result = -1;
  }
  if (visible && visible_objects[altitude].remove(p_o) != 0) {
    log.writeLog(
        "SceneGraph::updateActive(): remove visible object (%s) failed for visible_objects!",
        type.c_str());
    result = -1;
  }
  if (p_o->isSolid() && dropSolid(p_o) != 0) {
    log.writeLog("SceneGraph::updateActive(): remove object (%s) failed for solid_objects!",
                 type.c_str());
    result = -1;
  }
  if (inactive_objects.insert(p_o) != 0) {
    log.writeLog("SceneGraph::updateActive(): insert object (%s) failed for inactive_objects!",
                 type.c_str());
    return -1;
  }
  // The setter keeps the object active after a failure, so it must not be
  // left in the inactive list: its destructor would never take it out.
  if (result != 0) inactive_objects.remove(p_o);
  return result;
}

int SceneGraph::activate(Object* p_o) {
  LogManager& log = LogManager::getInstance();
  std::string type = p_o->getType();
  int altitude = p_o->getAltitude();
  bool visible = p_o->isVisible() && validAltitude(altitude);
  int result = 0;
  if (objects.insert(p_o) != 0) {
    log.writeLog("SceneGraph::updateActive(): insert object (%s) failed for objects!",
                 type.c_str());
    result = -1;
  }
  if (visible && visible_objects[altitude].insert(p_o) != 0) {
    log.writeLog("SceneGraph::updateActive(): insert object (%s) failed for visible_objects!",
                 type.c_str());
    result = -1;
  }
  if (p_o->isSolid() && addSolid(p_o) != 0) {
    log.writeLog("SceneGraph::updateActive(): insert object (%s) failed for solid_objects!",
                 type.c_str());
    result = -1;
  }
  if (inactive_objects.remove(p_o) != 0) {
    log.writeLog("SceneGraph::updateActive(): remove object (%s) failed for inactive_objects!",
                 type.c_str());
    result = -1;
  } else if (result != 0) {
    inactive_objects.insert(p_o);
  }
  // The setter keeps the object inactive after a failure: take it back out of
  // the active lists so no list outlives it with its pointer.
  if (result != 0) {
    objects.remove(p_o);
    if (visible) visible_objects[altitude].remove(p_o);
    if (p_o->isSolid()) dropSolid(p_o);
  }
  return result;
}

}  // namespace vt
