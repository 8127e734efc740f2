#include "world/Object.h"

#include <cmath>

#include "core/EventKeyboard.h"
#include "core/EventMouse.h"
#include "core/EventPath.h"
#include "core/EventStep.h"
#include "core/GameManager.h"
#include "core/LogManager.h"
#include "presentation/GraphicsManager.h"
#include "presentation/InputManager.h"
#include "resources/Sprite.h"
#include "world/ObjectRegistry.h"
#include "world/WorldManager.h"

namespace vt {

namespace {
int next_id = 0;

// The manager that dispatches event_type.
Manager& managerFor(const std::string& event_type) {
  if (event_type == KEYBOARD_EVENT || event_type == MOUSE_EVENT) return InputManager::getInstance();
  if (event_type == STEP_EVENT) return GameManager::getInstance();
  return WorldManager::getInstance();
}

SceneGraph& sceneGraph() { return WorldManager::getInstance().getSceneGraph(); }

bool isFinite(Vector v) { return std::isfinite(v.getX()) && std::isfinite(v.getY()); }
}  // namespace

Object::Object()
    : id(next_id++),
      is_active(true),
      is_visible(true),
      no_soft(false),
      path_following(false),
      solidness(HARD),
      box(Vector(-0.5f, -0.5f), 0.99f, 0.99f),
      speed(0),
      altitude(2),
      type("Object"),
      p_sprite(nullptr),
      sprite_center(true),
      sprite_transparency(0),
      sprite_index(0),
      sprite_slowdown(1),
      sprite_slowdown_count(0),
      p_path_find(nullptr) {
  for (bool& flag : modified) flag = true;
  shape.setType(UNDEFINED_SHAPE);
  noteObject(this, id);
  WorldManager::getInstance().insertObject(this);
}

Object::~Object() {
  forgetObject(this);
  for (int i = getEventCount() - 1; i >= 0; i--) unregisterInterest(event_name[i]);
  dropPathFind();
  WorldManager::getInstance().removeObject(this);
}

void Object::setPosition(Vector new_position) {
  if (!takesFinite(isFinite(new_position), "setPosition")) return;
  position = new_position;
  setModified(POSITION);
  worldBoxChanged();
}

bool Object::takesFinite(bool finite, const char* setter) const {
  if (finite) return true;
  LogManager::getInstance().writeLog(
      "Object::%s(): Object %d (%s), a value that is not finite.  Ignored.", setter, id,
      type.c_str());
  return false;
}

void Object::worldBoxChanged() {
  if (grid_entry.filed) sceneGraph().updatePosition(this);
}

int Object::eventHandler(const Event* p_e) {
  if (p_e && p_e->getType() == PATH_EVENT)
    return handlePathEvent(static_cast<const EventPath*>(p_e));
  return 0;
}

void Object::draw() {
  if (p_sprite)
    GraphicsManager::getInstance().drawFrame(position, p_sprite->getFrame(sprite_index),
                                             sprite_center, p_sprite->getColor(),
                                             sprite_transparency);
  // Without a sprite there is no animation to advance.
  if (p_sprite && sprite_slowdown != 0) {
    // Counts and indexes come unchecked from setters and object texts: the
    // largest int must advance and wrap like any other, not overflow.
    long long count = static_cast<long long>(sprite_slowdown_count) + 1;
    if (count >= sprite_slowdown) {
      sprite_slowdown_count = 0;
      sprite_index = sprite_index < p_sprite->getFrameCount() - 1 ? sprite_index + 1 : 0;
    } else {
      sprite_slowdown_count = static_cast<int>(count);
    }
    setModified(SPRITE);
  }
  if (shape.getType() != UNDEFINED_SHAPE) shape.draw(position);
}

bool Object::isModified() const {
  LogManager& log = LogManager::getInstance();
  for (int i = 0; i < ATTRIBUTE_COUNT; i++) {
    log.writeLog(10, "Object::isModified(): %d is %s", i, modified[i] ? "true" : "false");
    if (modified[i]) return true;
  }
  return false;
}

bool Object::isModified(ObjectAttribute attribute) const {
  if (attribute < 0 || attribute >= ATTRIBUTE_COUNT) return false;
  return modified[attribute];
}

void Object::setModified(ObjectAttribute attribute, bool new_modified) {
  if (attribute >= 0 && attribute < ATTRIBUTE_COUNT) modified[attribute] = new_modified;
}

int Object::getId() const { return id; }

std::string Object::getType() const { return type; }

void Object::setType(std::string new_type) {
  type = std::move(new_type);
  setModified(TYPE);
}

bool Object::isActive() const { return is_active; }

int Object::setActive(bool new_active) {
  if (sceneGraph().updateActive(this, new_active) != 0) return -1;
  is_active = new_active;
  setModified(ACTIVE);
  return 0;
}

bool Object::isVisible() const { return is_visible; }

int Object::setVisible(bool new_visible) {
  if (sceneGraph().updateVisible(this, new_visible) != 0) return -1;
  is_visible = new_visible;
  setModified(VISIBLE);
  return 0;
}

Box Object::getBox() const { return box; }

void Object::setBox(Box new_box) {
  box = new_box;
  setModified(BOX);
  worldBoxChanged();
}

Vector Object::getPosition() const { return position; }

Vector Object::getDirection() const { return direction; }

void Object::setDirection(Vector new_direction) {
  if (!takesFinite(isFinite(new_direction), "setDirection")) return;
  direction = new_direction;
  setModified(DIRECTION);
}

float Object::getSpeed() const { return speed; }

void Object::setSpeed(float new_speed) {
  if (!takesFinite(std::isfinite(new_speed), "setSpeed")) return;
  speed = new_speed;
  setModified(SPEED);
}

Vector Object::getAcceleration() const { return acceleration; }

void Object::setAcceleration(Vector new_acceleration) {
  if (!takesFinite(isFinite(new_acceleration), "setAcceleration")) return;
  acceleration = new_acceleration;
  setModified(ACCELERATION);
}

Vector Object::getVelocity() const {
  Vector velocity = direction;
  velocity.scale(speed);
  return velocity;
}

void Object::setVelocity(Vector v) {
  float magnitude = v.getMagnitude();
  if (!takesFinite(isFinite(v) && std::isfinite(magnitude), "setVelocity")) return;
  speed = magnitude;
  direction = speed > 0 ? Vector(v.getX() / speed, v.getY() / speed) : v;
  setModified(SPEED);
  setModified(DIRECTION);
}

void Object::moveTo(Vector target) {
  LogManager& log = LogManager::getInstance();
  log.writeLog("Object::moveTo(before): (%.2f, %.2f), speed %.2f, dir (%.2f, %.2f)",
               static_cast<double>(target.getX()), static_cast<double>(target.getY()),
               static_cast<double>(speed), static_cast<double>(direction.getX()),
               static_cast<double>(direction.getY()));
  Vector v = target - position;
  log.writeLog("\t pos (%.2f, %.2f), v (%.2f, %.2f)", static_cast<double>(position.getX()),
               static_cast<double>(position.getY()), static_cast<double>(v.getX()),
               static_cast<double>(v.getY()));
  v.normalize();
  log.writeLog("\t normalized (%.2f, %.2f)", static_cast<double>(v.getX()),
               static_cast<double>(v.getY()));
  if (takesFinite(isFinite(v), "moveTo")) direction = v;
  log.writeLog("Object::moveTo(after): (%.2f, %.2f), speed %.2f, dir (%.2f, %.2f)",
               static_cast<double>(target.getX()), static_cast<double>(target.getY()),
               static_cast<double>(speed), static_cast<double>(direction.getX()),
               static_cast<double>(direction.getY()));
}

std::string Object::getSpriteName() const { return sprite_name; }

Sprite* Object::getSprite() const { return p_sprite; }

void Object::setSprite(Sprite* p_new_sprite) {
  if (p_new_sprite) {
    float width = static_cast<float>(p_new_sprite->getWidth());
    float height = static_cast<float>(p_new_sprite->getHeight());
    box = Box(Vector(-width / 2, -height / 2), width, height);
    if (sprite_name != p_new_sprite->getLabel()) sprite_name = p_new_sprite->getLabel();
  }
  p_sprite = p_new_sprite;
  sprite_index = 0;
  setModified(SPRITE);
  worldBoxChanged();
}

bool Object::isCentered() const { return sprite_center; }

void Object::setCentered(bool centered) {
  sprite_center = centered;
  setModified(SPRITE);
  if (!p_sprite) return;
  float width = static_cast<float>(p_sprite->getWidth());
  float height = static_cast<float>(p_sprite->getHeight());
  Vector corner = centered ? Vector(-width / 2, -height / 2) : Vector(0, 0);
  box = Box(corner, width - 1, height - 1);
  worldBoxChanged();
}

char Object::getTransparency() const { return sprite_transparency; }

void Object::setTransparency(char transparent) {
  sprite_transparency = transparent;
  setModified(SPRITE);
}

int Object::getSpriteIndex() const { return sprite_index; }

void Object::setSpriteIndex(int new_sprite_index) {
  sprite_index = new_sprite_index;
  setModified(SPRITE);
}

int Object::getSpriteSlowdown() const { return sprite_slowdown; }

void Object::setSpriteSlowdown(int new_sprite_slowdown) {
  sprite_slowdown = new_sprite_slowdown;
  setModified(SPRITE);
}

int Object::getSpriteSlowdownCount() const { return sprite_slowdown_count; }

void Object::setSpriteSlowdownCount(int new_sprite_slowdown_count) {
  sprite_slowdown_count = new_sprite_slowdown_count;
  setModified(SPRITE);
}

int Object::getAltitude() const { return altitude; }

int Object::setAltitude(int new_altitude) {
  if (new_altitude < MIN_ALTITUDE || new_altitude > MAX_ALTITUDE) {
    LogManager::getInstance().writeLog(
        "Object::setAltitude(): Altitude %d not in range [%d,%d].  Ignored.", new_altitude,
        MIN_ALTITUDE, MAX_ALTITUDE);
    return -1;
  }
  if (sceneGraph().updateAltitude(this, new_altitude) != 0) return -1;
  altitude = new_altitude;
  setModified(ALTITUDE);
  return 0;
}

Solidness Object::getSolidness() const { return solidness; }

bool Object::isSolid() const { return solidness == HARD || solidness == SOFT; }

int Object::setSolidness(Solidness new_solidness) {
  if (new_solidness != HARD && new_solidness != SOFT && new_solidness != SPECTRAL) {
    LogManager::getInstance().writeLog(
        "Object::setSolidness(): Solidness %d not one of HARD, SOFT or SPECTRAL.",
        static_cast<int>(new_solidness));
    return -1;
  }
  if (sceneGraph().updateSolidness(this, new_solidness) != 0) return -1;
  solidness = new_solidness;
  setModified(SOLIDNESS);
  return 0;
}

bool Object::getNoSoft() const { return no_soft; }

void Object::setNoSoft(bool new_no_soft) {
  no_soft = new_no_soft;
  setModified(NO_SOFT);
}

Shape Object::getShape() const { return shape; }

void Object::setShape(Shape new_shape) { shape = new_shape; }

int Object::registerInterest(std::string event_type) {
  if (getEventCount() == MAX_OBJ_EVENTS) {
    LogManager::getInstance().writeLog(
        "Object::registerInterest(): maximum (%d) reached, cannot register for event '%s'",
        MAX_OBJ_EVENTS, event_type.c_str());
    return -1;
  }
  if (managerFor(event_type).registerInterest(this, event_type) != 0) return -1;
  event_name.push_back(event_type);
  setModified(EVENTS);
  return 0;
}

int Object::unregisterInterest(std::string event_type) {
  int i = 0;
  while (i < getEventCount() && event_name[i] != event_type) i++;
  if (i == getEventCount()) {
    LogManager::getInstance().writeLog(
        "Object::unregisterInterest(): event '%s' not previously registered", event_type.c_str());
    return -1;
  }
  if (managerFor(event_type).unregisterInterest(this, event_type) != 0) return -1;
  event_name.erase(event_name.begin() + i);
  setModified(EVENTS);
  return 0;
}

int Object::getEventCount() const { return static_cast<int>(event_name.size()); }

std::string Object::getEventName(int index) const {
  if (index < 0 || index >= getEventCount()) return "";
  return event_name[index];
}

}  // namespace vt
