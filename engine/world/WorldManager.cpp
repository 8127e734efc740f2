#include "world/WorldManager.h"

#include <cmath>

#include "core/EventCollision.h"
#include "core/EventKeyboard.h"
#include "core/EventMouse.h"
#include "core/EventOut.h"
#include "core/EventStep.h"
#include "core/LogManager.h"
#include "world/Geometry.h"
#include "world/Object.h"
#include "world/ObjectListIterator.h"
#include "world/ObjectRegistry.h"
#include "world/ObjectSnapshot.h"
#include "world/ViewObject.h"

namespace vt {

namespace {
// View objects are drawn wherever they stand.
bool isViewObject(const Object* p_o) { return dynamic_cast<const ViewObject*>(p_o) != nullptr; }
}  // namespace

WorldManager::WorldManager() : p_view_following(nullptr) { setType("WorldManager"); }

WorldManager& WorldManager::getInstance() {
  static WorldManager instance;
  return instance;
}

bool WorldManager::isValid(std::string event_type) const {
  LogManager& log = LogManager::getInstance();
  if (event_type == KEYBOARD_EVENT || event_type == MOUSE_EVENT || event_type == STEP_EVENT) {
    log.writeLog("WorldManager::isValid(): WorldManager does not handle %s", event_type.c_str());
    return false;
  }
  if (event_type == OUT_EVENT || event_type == COLLISION_EVENT) {
    log.writeLog("WorldManager::isValid(): Event %s handled automatically.", event_type.c_str());
    return false;
  }
  return true;
}

int WorldManager::startUp() {
  deletions.clear();
  marked.clear();
  boundary = Box();
  view = Box();
  view_slack = Vector();
  view_placement = Vector();
  p_view_following = nullptr;
  Manager::startUp();
  LogManager::getInstance().writeLog(5, "WorldManager::startUp(): successfully started.");
  return 0;
}

void WorldManager::shutDown() {
  Manager::shutDown();
  // A destructor may delete other objects of the copy itself.
  ObjectSnapshot all(getAllObjects(true));
  for (int i = 0; i < all.getCount(); i++) delete all.getLive(i);
}

int WorldManager::insertObject(Object* p_o) {
  if (!isStarted()) {
    LogManager& log = LogManager::getInstance();
    log.writeLog(2, "WorldManager::insertObject(): Not adding Object %d", p_o->getId());
    log.writeLog(2, "                              because WorldManager not started.");
    return -1;
  }
  return scene_graph.insertObject(p_o);
}

int WorldManager::removeObject(Object* p_o) {
  // An object deleted, by the walk or outright, must not be deleted again,
  // nor followed.
  auto found = marked.find(p_o);
  if (found != marked.end()) {
    deletions[found->second] = nullptr;
    marked.erase(found);
  }
  if (p_o == p_view_following) p_view_following = nullptr;
  return scene_graph.removeObject(p_o);
}

ObjectList WorldManager::getAllObjects(bool include_inactive) const {
  if (include_inactive) return scene_graph.activeObjects() + scene_graph.inactiveObjects();
  return scene_graph.activeObjects();
}

int WorldManager::markForDelete(Object* p_o) {
  if (marked.count(p_o) != 0) return 0;
  if (!p_o) {
    LogManager::getInstance().writeLog(
        "WorldManager::markForDelete(): unable to add object %p to deletions list",
        static_cast<void*>(p_o));
    return -1;
  }
  // An object already deleted (say by the walk, from a partner's destructor)
  // must not be deleted again.
  if (!objectLive(p_o)) return 0;
  marked[p_o] = deletions.size();
  deletions.push_back(p_o);
  return 0;
}

bool WorldManager::isMarkedForDelete(const Object* p_o) const { return marked.count(p_o) != 0; }

void WorldManager::update() {
  ObjectSnapshot active(scene_graph.getActiveList());
  for (int i = 0; i < active.getCount(); i++) {
    // In a large world the objects and their blocks lie far apart in memory:
    // fetching them a few moves ahead keeps the walk from waiting on each.
    active.prefetch(i + 2 * ObjectSnapshot::AHEAD);
    if (Object* p_soon = active.getLive(i + ObjectSnapshot::AHEAD))
      scene_graph.getGrid().prefetch(p_soon);
    Object* p_o = active.getLive(i);
    if (!p_o) continue;
    Vector predicted = p_o->getPosition() + p_o->getVelocity();
    if (predicted != p_o->getPosition()) moveObject(p_o, predicted);
    // Its own or another's collision handler may have deleted it.
    if (!active.getLive(i)) continue;
    p_o->doPathFollowing();
    if (p_o->getAcceleration() != Vector())
      p_o->setVelocity(p_o->getVelocity() + p_o->getAcceleration());
  }
  // Destructors run here may mark further objects, which go in this walk too.
  for (std::size_t i = 0; i < deletions.size(); i++) {
    Object* p_o = deletions[i];
    if (p_o) delete p_o;
  }
  deletions.clear();
  marked.clear();
}

void WorldManager::draw() {
  for (int altitude = MIN_ALTITUDE; altitude <= MAX_ALTITUDE; altitude++) {
    ObjectSnapshot visible(scene_graph.getVisibleList(altitude));
    for (int i = 0; i < visible.getCount(); i++) {
      Object* p_o = visible.getLive(i);
      if (p_o && (boxIntersectsBox(getWorldBox(p_o), view) || isViewObject(p_o))) p_o->draw();
    }
  }
}

const std::vector<Object*>& WorldManager::collisionsAt(const Object* p_o, Vector where) const {
  scene_graph.solidCollisions(getWorldBox(p_o, where), p_o, scratch);
  return scratch;
}

ObjectList WorldManager::getCollisions(const Object* p_o, Vector where) const {
  ObjectList collisions;
  for (Object* p_other : collisionsAt(p_o, where)) collisions.insert(p_other);
  return collisions;
}

Object* WorldManager::getHardCollision(const Object* p_o, Vector where) const {
  for (Object* p_other : collisionsAt(p_o, where))
    if (p_other->getSolidness() == HARD) return p_other;
  return nullptr;
}

int WorldManager::moveObject(Object* p_o, Vector where) {
  if (!std::isfinite(where.getX()) || !std::isfinite(where.getY())) {
    LogManager::getInstance().writeLog(
        "WorldManager::moveObject(): Object %d (%s), a position that is not finite.  Ignored.",
        p_o->getId(), p_o->getType().c_str());
    return -1;
  }
  int id = p_o->getId();
  unsigned long destroyed = destroyedObjectCount();
  // While nothing is destroyed, nothing needs looking up.
  auto gone = [&] { return destroyedObjectCount() != destroyed && !objectExists(p_o, id); };
  if (p_o->isSolid() && !collisionsAt(p_o, where).empty()) {
    ObjectSnapshot collisions(scratch);
    bool do_move = true;
    for (int i = 0; i < collisions.getCount(); i++) {
      Object* p_other = collisions.getLive(i);
      if (!p_other) continue;
      EventCollision c(p_o, p_other, where);
      p_o->eventHandler(&c);
      // Either handler may delete either object; a deleted mover goes nowhere.
      if (gone()) return -1;
      if (!collisions.getLive(i)) continue;
      p_other->eventHandler(&c);
      if (gone()) return -1;
      if (!collisions.getLive(i)) continue;
      if (p_o->getSolidness() == HARD && p_other->getSolidness() == HARD) do_move = false;
      if (p_o->getNoSoft() && p_other->getSolidness() == SOFT) do_move = false;
    }
    if (!do_move) return -1;
  }
  Box before = getWorldBox(p_o);
  p_o->setPosition(where);
  Box after = getWorldBox(p_o, where);
  if (boxIntersectsBox(before, boundary) && !boxIntersectsBox(after, boundary)) {
    EventOut out;
    p_o->eventHandler(&out);
  }
  if (p_o == p_view_following && !gone())
    view.setCorner(followWithSlack(view, boundary, view_slack, p_o->getPosition()));
  return 0;
}

void WorldManager::setBoundary(Box new_boundary) {
  boundary = new_boundary;
  scene_graph.setArea(boundary);
}
Box WorldManager::getBoundary() const { return boundary; }
void WorldManager::setView(Box new_view) { view = new_view; }
Box WorldManager::getView() const { return view; }
void WorldManager::setViewSlack(Vector new_view_slack) { view_slack = new_view_slack; }
Vector WorldManager::getViewSlack() const { return view_slack; }
void WorldManager::setViewPlacement(Vector new_view_placement) {
  view_placement = new_view_placement;
}
Vector WorldManager::getViewPlacement() const { return view_placement; }

int WorldManager::setViewFollowing(Object* p_new_view_following) {
  if (!p_new_view_following) {
    p_view_following = nullptr;
    return 0;
  }
  if (!scene_graph.activeObjects().contains(p_new_view_following)) return -1;
  p_view_following = p_new_view_following;
  view.setCorner(centreView(view, boundary, p_view_following->getPosition()));
  return 0;
}

Object* WorldManager::getViewFollowing() const { return p_view_following; }

SceneGraph& WorldManager::getSceneGraph() { return scene_graph; }

}  // namespace vt
