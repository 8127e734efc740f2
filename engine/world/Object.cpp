#include "world/Object.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "core/Config.h"
#include "core/EventKeyboard.h"
#include "core/EventMouse.h"
#include "core/EventPath.h"
#include "core/EventStep.h"
#include "core/GameManager.h"
#include "core/LogManager.h"
#include "path/PathFind.h"
#include "path/PathManager.h"
#include "presentation/GraphicsManager.h"
#include "presentation/InputManager.h"
#include "resources/ResourceManager.h"
#include "resources/Sprite.h"
#include "world/Geometry.h"
#include "world/Serialization.h"
#include "world/WorldManager.h"

namespace vt {

namespace {
// Ids are never reused, so an address together with its id names one object.
std::unordered_map<const Object*, int>& liveObjects() {
  static std::unordered_map<const Object*, int> live;
  return live;
}

int next_id = 0;
unsigned long destroyed_count = 0;

// The manager that dispatches event_type.
Manager& managerFor(const std::string& event_type) {
  if (event_type == KEYBOARD_EVENT || event_type == MOUSE_EVENT) return InputManager::getInstance();
  if (event_type == STEP_EVENT) return GameManager::getInstance();
  return WorldManager::getInstance();
}

SceneGraph& sceneGraph() { return WorldManager::getInstance().getSceneGraph(); }

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

// The key of the index-th registered event type in an object's text.
std::string eventNameKey(int index) {
  char key[32];
  snprintf(key, sizeof key, "event_name[%d]", index);
  return key;
}
}  // namespace

Object::Object()
    : id(next_id++),
      type("Object"),
      is_active(true),
      is_visible(true),
      box(Vector(-0.5f, -0.5f), 0.99f, 0.99f),
      speed(0),
      p_sprite(nullptr),
      sprite_center(true),
      sprite_transparency(0),
      sprite_index(0),
      sprite_slowdown(1),
      sprite_slowdown_count(0),
      altitude(2),
      solidness(HARD),
      no_soft(false),
      event_count(0),
      path_following(false),
      p_path_find(nullptr) {
  for (bool& flag : modified) flag = true;
  shape.setType(UNDEFINED_SHAPE);
  liveObjects()[this] = id;
  WorldManager::getInstance().insertObject(this);
}

Object::~Object() {
  liveObjects().erase(this);
  destroyed_count++;
  for (int i = event_count - 1; i >= 0; i--) unregisterInterest(event_name[i]);
  dropPathFind();
  WorldManager::getInstance().removeObject(this);
}

bool Object::exists(const Object* p_o, int id) {
  auto found = liveObjects().find(p_o);
  return found != liveObjects().end() && found->second == id;
}

unsigned long Object::getDestroyedCount() { return destroyed_count; }

void Object::setPosition(Vector new_position) {
  position = new_position;
  setModified(POSITION);
}

int Object::eventHandler(const Event* p_e) {
  if (p_e && p_e->getType() == PATH_EVENT)
    return handlePathEvent(static_cast<const EventPath*>(p_e));
  return 0;
}

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

std::string Object::serialize(bool all) {
  std::string text;
  if (all || modified[ID]) writeItem(text, "id", id);
  if (all || modified[ACTIVE]) writeItem(text, "is_active", is_active);
  if (all || modified[VISIBLE]) writeItem(text, "is_visible", is_visible);
  if (all || modified[EVENTS]) {
    writeItem(text, "event_count", event_count);
    for (int i = 0; i < event_count; i++) writeItem(text, eventNameKey(i), event_name[i]);
  }
  if (all || modified[BOX]) {
    writeItem(text, "box-corner-x", box.getCorner().getX());
    writeItem(text, "box-corner-y", box.getCorner().getY());
    writeItem(text, "box-horizontal", box.getHorizontal());
    writeItem(text, "box-vertical", box.getVertical());
  }
  if (all || modified[POSITION]) {
    writeItem(text, "pos-x", position.getX());
    writeItem(text, "pos-y", position.getY());
  }
  if (all || modified[TYPE]) writeItem(text, "type", type);
  if (all || modified[SPRITE]) {
    writeItem(text, "sprite_name", sprite_name);
    writeItem(text, "sprite_center", sprite_center);
    writeItem(text, "sprite_transparency", sprite_transparency);
    writeItem(text, "sprite_index", sprite_index);
    writeItem(text, "sprite_slowdown", sprite_slowdown);
    writeItem(text, "sprite_slowdown_count", sprite_slowdown_count);
  }
  if (all || modified[ALTITUDE]) writeItem(text, "altitude", altitude);
  if (all || modified[SOLIDNESS]) writeItem(text, "solidness", static_cast<int>(solidness));
  if (all || modified[NO_SOFT]) writeItem(text, "no_soft", no_soft);
  // Direction goes before speed, whatever their flag order.
  if (all || modified[DIRECTION]) {
    writeItem(text, "x_direction", direction.getX());
    writeItem(text, "y_direction", direction.getY());
  }
  if (all || modified[SPEED]) writeItem(text, "speed", speed);
  if (all || modified[ACCELERATION]) {
    writeItem(text, "x_acceleration", acceleration.getX());
    writeItem(text, "y_acceleration", acceleration.getY());
  }
  for (bool& flag : modified) flag = false;
  return text;
}

int Object::deserialize(std::string text) {
  // An empty text parses nothing, so it must not be looked up in an older parse.
  if (text.empty()) return 0;
  LogManager& log = LogManager::getInstance();
  match(text, "");
  std::string value;

  if (!(value = readItem("id")).empty()) {
    id = readInt(value);
    liveObjects()[this] = id;
    log.writeLog(10, "Object::deserialize(): id is %d", id);
    setModified(ID);
  }
  if (!(value = readItem("is_active")).empty()) {
    log.writeLog(10, "Object::deserialize(): is_active is %s", value.c_str());
    setActive(value == "true");
  }
  if (!(value = readItem("is_visible")).empty()) {
    log.writeLog(10, "Object::deserialize(): is_visible is %s", value.c_str());
    setVisible(value == "true");
  }
  if (!(value = readItem("event_count")).empty()) {
    for (int i = event_count - 1; i >= 0; i--) unregisterInterest(event_name[i]);
    int count = readInt(value);
    log.writeLog(10, "Object::deserialize(): event_count is %d", count);
    // No object holds more types than the limit, and a huge count must not
    // turn into that many lookups.
    for (int i = 0; i < count && i < MAX_OBJ_EVENTS; i++) {
      std::string event_type = readWholeItem(text, eventNameKey(i));
      if (event_type.empty()) continue;
      log.writeLog(10, "Object::deserialize(): event_name[%d] is '%s'", i, event_type.c_str());
      registerInterest(event_type);
    }
  }
  if (!(value = readItem("sprite_name")).empty()) {
    log.writeLog(10, "Object::deserialize(): sprite_name is '%s'", value.c_str());
    Sprite* p_found = ResourceManager::getInstance().getSprite(value);
    if (p_found)
      setSprite(p_found);
    else
      log.writeLog("Object::Match(): Object %d (%s), Sprite '%s' not found", id, type.c_str(),
                   value.c_str());
    // A missing sprite still leaves its name, for whoever loads it later.
    if (sprite_name != value) {
      sprite_name = value;
      setModified(SPRITE);
    }
  }

  // The box is applied after sprite_center, which would otherwise recompute
  // it from the sprite and lose the one the text carries.
  const char* const box_keys[] = {"box-corner-x", "box-corner-y", "box-horizontal", "box-vertical"};
  float box_values[4] = {0, 0, 0, 0};
  bool box_complete = true;
  for (int i = 0; i < 4; i++) {
    if ((value = readItem(box_keys[i])).empty()) {
      box_complete = false;
      continue;
    }
    box_values[i] = readFloat(value);
    log.writeLog(10, "Object::deserialize(): %s is %s", box_keys[i],
                 numberText(box_values[i]).c_str());
  }
  if (!box_complete) log.writeLog(10, "Object::deserialize(): box not complete, so ignoring.");

  std::string pos_x = readItem("pos-x");
  std::string pos_y = readItem("pos-y");
  Vector new_position(readFloat(pos_x), readFloat(pos_y));
  if (!pos_x.empty())
    log.writeLog(10, "Object::deserialize(): pos-x is %s", numberText(new_position.getX()).c_str());
  if (!pos_y.empty())
    log.writeLog(10, "Object::deserialize(): pos-y is %s", numberText(new_position.getY()).c_str());
  if (!pos_x.empty() && !pos_y.empty())
    setPosition(new_position);
  else
    log.writeLog(10, "Object::deserialize(): position not complete, so ignoring.");

  if (!(value = readItem("type")).empty()) {
    log.writeLog(10, "Object::deserialize(): type is %s", value.c_str());
    setType(value);
  }
  if (!(value = readItem("sprite_center")).empty()) {
    log.writeLog(10, "Object::deserialize(): sprite_center is %s", value.c_str());
    setCentered(value == "true");
  }
  if (box_complete) setBox(Box(Vector(box_values[0], box_values[1]), box_values[2], box_values[3]));

  if (!(value = readItem("sprite_transparency")).empty()) {
    log.writeLog(10, "Object::deserialize(): sprite_transparency is '%c'", value[0]);
    // "0" is how the zero char (no transparency) is written.
    setTransparency(value == "0" ? '\0' : value[0]);
  }
  if (!(value = readItem("sprite_index")).empty()) {
    setSpriteIndex(readInt(value));
    log.writeLog(10, "Object::deserialize(): sprite_index is %d", sprite_index);
  }
  if (!(value = readItem("sprite_slowdown")).empty()) {
    setSpriteSlowdown(readInt(value));
    log.writeLog(10, "Object::deserialize(): sprite_slowdown is %d", sprite_slowdown);
  }
  if (!(value = readItem("sprite_slowdown_count")).empty()) {
    setSpriteSlowdownCount(readInt(value));
    log.writeLog(10, "Object::deserialize(): sprite_slowdown_count is %d", sprite_slowdown_count);
  }
  if (!(value = readItem("altitude")).empty()) {
    int new_altitude = readInt(value);
    log.writeLog(10, "Object::deserialize(): altitude is %d", new_altitude);
    setAltitude(new_altitude);
  }
  if (!(value = readItem("solidness")).empty()) {
    int new_solidness = readInt(value);
    log.writeLog(10, "Object::deserialize(): solidness is %d", new_solidness);
    setSolidness(static_cast<Solidness>(new_solidness));
  }
  if (!(value = readItem("no_soft")).empty()) {
    log.writeLog(10, "Object::deserialize(): no_soft is %s", value.c_str());
    setNoSoft(value == "true");
  }

  // Direction and speed are taken as written: a line that changes only the
  // direction keeps the speed the object has.
  if (!(value = readItem("x_direction")).empty()) {
    float x = readFloat(value);
    log.writeLog(10, "Object::deserialize(): x_direction is %.2f", static_cast<double>(x));
    setDirection(Vector(x, direction.getY()));
  }
  if (!(value = readItem("y_direction")).empty()) {
    float y = readFloat(value);
    log.writeLog(10, "Object::deserialize(): y_direction is %.2f", static_cast<double>(y));
    setDirection(Vector(direction.getX(), y));
  }
  if (!(value = readItem("speed")).empty()) {
    float new_speed = readFloat(value);
    log.writeLog(10, "Object::deserialize(): speed is %.2f", static_cast<double>(new_speed));
    setSpeed(new_speed);
  }
  if (!(value = readItem("x_acceleration")).empty()) {
    float x = readFloat(value);
    log.writeLog(10, "Object::deserialize(): x_acceleration is %.2f", static_cast<double>(x));
    setAcceleration(Vector(x, acceleration.getY()));
  }
  if (!(value = readItem("y_acceleration")).empty()) {
    float y = readFloat(value);
    log.writeLog(10, "Object::deserialize(): y_acceleration is %.2f", static_cast<double>(y));
    setAcceleration(Vector(acceleration.getX(), y));
  }
  return 0;
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
}

Vector Object::getPosition() const { return position; }

Vector Object::getDirection() const { return direction; }

void Object::setDirection(Vector new_direction) {
  direction = new_direction;
  setModified(DIRECTION);
}

float Object::getSpeed() const { return speed; }

void Object::setSpeed(float new_speed) {
  speed = new_speed;
  setModified(SPEED);
}

Vector Object::getAcceleration() const { return acceleration; }

void Object::setAcceleration(Vector new_acceleration) {
  acceleration = new_acceleration;
  setModified(ACCELERATION);
}

Vector Object::getVelocity() const {
  Vector velocity = direction;
  velocity.scale(speed);
  return velocity;
}

void Object::setVelocity(Vector v) {
  speed = v.getMagnitude();
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
  direction = v;
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
  if (event_count == MAX_OBJ_EVENTS) {
    LogManager::getInstance().writeLog(
        "Object::registerInterest(): maximum (%d) reached, cannot register for event '%s'",
        MAX_OBJ_EVENTS, event_type.c_str());
    return -1;
  }
  if (managerFor(event_type).registerInterest(this, event_type) != 0) return -1;
  event_name[event_count] = event_type;
  event_count++;
  setModified(EVENTS);
  return 0;
}

int Object::unregisterInterest(std::string event_type) {
  int i = 0;
  while (i < event_count && event_name[i] != event_type) i++;
  if (i == event_count) {
    LogManager::getInstance().writeLog(
        "Object::unregisterInterest(): event '%s' not previously registered", event_type.c_str());
    return -1;
  }
  if (managerFor(event_type).unregisterInterest(this, event_type) != 0) return -1;
  for (int j = i; j < event_count - 1; j++) event_name[j] = event_name[j + 1];
  event_count--;
  setModified(EVENTS);
  return 0;
}

int Object::getEventCount() const { return event_count; }

std::string Object::getEventName(int index) const {
  if (index < 0 || index >= event_count) return "";
  return event_name[index];
}

bool Object::isPathFollowing() const { return path_following; }

Path Object::getPath() const { return path; }

PathFind* Object::getPathFind() const { return p_path_find; }

}  // namespace vt
