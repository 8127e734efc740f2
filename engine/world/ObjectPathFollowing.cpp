// Path following: an object starts searches for a path to a target, takes
// the path a finished search reports and walks it node by node, one step
// per frame after its move.
#include <algorithm>
#include <cmath>

#include "core/EventPath.h"
#include "core/LogManager.h"
#include "path/PathFind.h"
#include "path/PathManager.h"
#include "world/Geometry.h"
#include "world/Object.h"
#include "world/WorldManager.h"

namespace vt {

namespace {
// The world cell whose centre is nearest to position; false outside the world.
bool worldCell(Vector position, GridPoint& cell) {
  Box boundary = WorldManager::getInstance().getBoundary();
  float x = std::floor(position.getX() + 0.5f);
  float y = std::floor(position.getY() + 0.5f);
  if (!(x >= 0 && x < std::floor(boundary.getHorizontal()) && y >= 0 &&
        y < std::floor(boundary.getVertical())))
    return false;
  cell = GridPoint{static_cast<int>(x), static_cast<int>(y)};
  return true;
}

}  // namespace

int Object::handlePathEvent(const EventPath* p_e) {
  LogManager::getInstance().writeLog("Object::eventHandler(): Object %d (%s) got path event.", id,
                                     type.c_str());
  if (p_e->getStatus() == FOUND) {
    path = p_e->getPath();
    path_following = true;
    moveTo(path.getNode(path.getIndex()));
  }
  dropPathFind();
  return 1;
}

void Object::dropPathFind() {
  if (!p_path_find) return;
  PathManager::getInstance().unregisterPathFind(p_path_find);
  delete p_path_find;
  p_path_find = nullptr;
}

int Object::findPath(Vector target) {
  GridPoint from;
  GridPoint to;
  if (!worldCell(position, from) || !worldCell(target, to)) {
    LogManager::getInstance().writeLog(
        "Object::findPath(): Object %d cannot search from (%.2f, %.2f) to (%.2f, %.2f) outside "
        "the world.",
        id, static_cast<double>(position.getX()), static_cast<double>(position.getY()),
        static_cast<double>(target.getX()), static_cast<double>(target.getY()));
    return -1;
  }
  PathFind* p_new_path_find = new PathFind(this, from, to);
  if (PathManager::getInstance().registerPathFind(p_new_path_find) != 0) {
    delete p_new_path_find;
    return -1;
  }
  dropPathFind();
  p_path_find = p_new_path_find;
  return 0;
}

void Object::doPathFollowing() {
  if (!path_following) return;
  LogManager& log = LogManager::getInstance();
  Vector next = path.getNode(path.getIndex());
  Box world_box = getWorldBox(this);
  Vector corner = world_box.getCorner();
  log.writeLog("Object::doPathFollowing(): %s, next node (%.0f,%.0f), speed %.2f, dir (%.2f,%.2f)",
               type.c_str(), static_cast<double>(next.getX()), static_cast<double>(next.getY()),
               static_cast<double>(speed), static_cast<double>(direction.getX()),
               static_cast<double>(direction.getY()));
  log.writeLog("\tBox: (%.2f, %.2f), h %.2f, v %.2f", static_cast<double>(corner.getX()),
               static_cast<double>(corner.getY()), static_cast<double>(world_box.getHorizontal()),
               static_cast<double>(world_box.getVertical()));
  moveTo(next);

  bool at_node =
      corner.getX() <= next.getX() && next.getX() <= corner.getX() + world_box.getHorizontal() &&
      corner.getY() <= next.getY() && next.getY() <= corner.getY() + world_box.getVertical();
  if (!at_node) return;
  // At most one node is passed per step, even at speed 0 with the following
  // node also under the box, so the step always ends.
  path.setIndex(std::min(path.getIndex() + 1, path.getNodeCount()));
  if (path.getIndex() < path.getNodeCount()) {
    Vector following = path.getNode(path.getIndex());
    log.writeLog("\tAt next node. On to (%.0f, %.0f)", static_cast<double>(following.getX()),
                 static_cast<double>(following.getY()));
    moveTo(following);
    log.writeLog("\tdir (%.2f, %.2f), speed %.2f", static_cast<double>(direction.getX()),
                 static_cast<double>(direction.getY()), static_cast<double>(speed));
  } else {
    log.writeLog("\tAt next node. End of path.");
    direction = Vector();
    path_following = false;
  }
}

bool Object::isPathFollowing() const { return path_following; }

Path Object::getPath() const { return path; }

PathFind* Object::getPathFind() const { return p_path_find; }

}  // namespace vt
