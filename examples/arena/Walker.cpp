#include "Walker.h"

#include "Cell.h"
#include "core/EventPath.h"
#include "core/LogManager.h"
#include "core/TextValue.h"
#include "resources/ResourceManager.h"
#include "world/Geometry.h"

Walker::Walker(vt::Vector cell) : has_target(false), target_modified(true) {
  setType("Walker");
  setPosition(cell);
  setSolidness(vt::SOFT);
  if (vt::Sprite* p_sprite = vt::ResourceManager::getInstance().getSprite("walker"))
    setSprite(p_sprite);
  setBox(cellBox());
  setSpriteSlowdown(8);
  setSpeed(WALKER_SPEED);
}

int Walker::headFor(vt::Vector cell) {
  if (findPath(cell) != 0) return -1;
  has_target = true;
  target = cell;
  target_modified = true;
  return 0;
}

void Walker::resume() {
  if (has_target && !hasArrived() && !getPathFind()) findPath(target);
}

bool Walker::hasTarget() const { return has_target; }

vt::Vector Walker::getTarget() const { return target; }

bool Walker::isWalking() const { return getPathFind() != nullptr || isPathFollowing(); }

bool Walker::hasArrived() const {
  // A box without extent meets every box that holds its corner.
  return has_target && !isWalking() &&
         vt::boxIntersectsBox(vt::getWorldBox(this), vt::Box(target, 0, 0));
}

int Walker::eventHandler(const vt::Event* p_e) {
  if (p_e->getType() == vt::PATH_EVENT &&
      static_cast<const vt::EventPath*>(p_e)->getStatus() == vt::NOT_FOUND) {
    vt::LogManager::getInstance().writeLog(
        "Walker::eventHandler(): Walker %d finds no way to (%g, %g).", getId(),
        static_cast<double>(target.getX()), static_cast<double>(target.getY()));
    has_target = false;
    target_modified = true;
  }
  return Object::eventHandler(p_e);
}

std::string Walker::serialize(bool all) {
  std::string text = Object::serialize(all);
  if (all || target_modified) {
    vt::writeItem(text, "has_target", has_target);
    vt::writeItem(text, "target-x", target.getX());
    vt::writeItem(text, "target-y", target.getY());
  }
  target_modified = false;
  return text;
}

int Walker::deserialize(std::string text) {
  Object::deserialize(text);
  if (text.empty()) return 0;
  // Parsed again: the object's reading may have parsed other text since.
  vt::match(text, "");
  std::string value = vt::readItem("has_target");
  if (!value.empty()) has_target = value == "true";
  std::string x = vt::readItem("target-x");
  std::string y = vt::readItem("target-y");
  if (!x.empty() && !y.empty()) target = vt::Vector(vt::readFloat(x), vt::readFloat(y));
  target_modified = true;
  return 0;
}
