// The base of everything that lives in the world. An object has an identity,
// a position and a motion, a bounding box, a solidness that decides how it
// collides, an altitude that decides when it is drawn, an optional animated
// sprite and the event types it asked for. It enters the world when it is
// constructed and leaves it when it is destroyed; the world manager deletes it.
#pragma once

#include <string>
#include <vector>

#include "path/Path.h"
#include "presentation/Shape.h"
#include "world/Box.h"
#include "world/CollisionGrid.h"
#include "world/Vector.h"

namespace vt {

class Event;
class EventPath;
class PathFind;
class Sprite;

/// How an object collides. HARD and SOFT objects are solid.
enum Solidness : int {
  HARD = 0,      ///< blocks and is blocked by other HARD objects
  SOFT = 1,      ///< collides but blocks only objects with no_soft set
  SPECTRAL = 2,  ///< never collides
};

/// Index of each attribute's modified flag.
enum ObjectAttribute : int {
  ID = 0,
  ACTIVE,
  VISIBLE,
  EVENTS,
  BOX,
  POSITION,
  TYPE,
  SPRITE,
  ALTITUDE,
  SOLIDNESS,
  NO_SOFT,
  SPEED,
  DIRECTION,
  ACCELERATION,
};

const int ATTRIBUTE_COUNT = 14;

/// Most event types one object can register for.
const int MAX_OBJ_EVENTS = 100;

/// Drawing layers, drawn from the lowest to the highest.
const int MIN_ALTITUDE = 0;
const int MAX_ALTITUDE = 4;

class Object {
 public:
  /// Takes the next id and enters the world if the world manager is started.
  Object();
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  /// Unregisters every interest and leaves the world.
  virtual ~Object();

  /// Places the object without any collision check. This and the setters
  /// of direction, speed, acceleration and velocity refuse values that are
  /// not finite, with a message, keeping the old ones.
  virtual void setPosition(Vector new_position);

  /// 1 if the event was handled, 0 if not. The base handles path events.
  virtual int eventHandler(const Event* p_e);

  /// Draws the current sprite frame, advances the animation, then draws the
  /// shape if it has a type.
  virtual void draw();

  /// The attributes as one line of key:value items, all of them or only
  /// those changed since the last call; clears every modified flag.
  virtual std::string serialize(bool all = false);

  /// Applies the items of a serialized line through the setters, so the
  /// scene graph and the interest tables follow; unknown keys and empty
  /// values are skipped. Always 0.
  virtual int deserialize(std::string text);

  /// Whether any attribute changed since the flags were last cleared.
  virtual bool isModified() const;
  virtual bool isModified(ObjectAttribute attribute) const;

  int getId() const;
  std::string getType() const;
  void setType(std::string new_type);

  bool isActive() const;
  /// Moves the object between the scene graph's lists; -1 keeps the old value.
  int setActive(bool new_active = true);
  bool isVisible() const;
  int setVisible(bool new_visible = true);

  Box getBox() const;
  void setBox(Box new_box);
  Vector getPosition() const;

  Vector getDirection() const;
  void setDirection(Vector new_direction);
  float getSpeed() const;
  void setSpeed(float new_speed);
  Vector getAcceleration() const;
  void setAcceleration(Vector new_acceleration);
  /// Direction scaled by speed.
  Vector getVelocity() const;
  /// Splits v into a speed and a unit direction.
  void setVelocity(Vector v);

  /// Aims the direction at target; speed and position stay.
  void moveTo(Vector target);

  std::string getSpriteName() const;
  Sprite* getSprite() const;
  /// Sizes the box to the sprite and starts at its first frame.
  void setSprite(Sprite* p_new_sprite);
  bool isCentered() const;
  void setCentered(bool centered = true);
  char getTransparency() const;
  void setTransparency(char transparent = ' ');
  int getSpriteIndex() const;
  void setSpriteIndex(int new_sprite_index);
  int getSpriteSlowdown() const;
  void setSpriteSlowdown(int new_sprite_slowdown);
  int getSpriteSlowdownCount() const;
  void setSpriteSlowdownCount(int new_sprite_slowdown_count);

  int getAltitude() const;
  /// -1 (with a message) outside 0 to 4.
  int setAltitude(int new_altitude);
  Solidness getSolidness() const;
  bool isSolid() const;
  /// -1 (with a message) for a value that is not a Solidness.
  int setSolidness(Solidness new_solidness);
  bool getNoSoft() const;
  void setNoSoft(bool new_no_soft = true);

  /// Undefined, and so not drawn, until one is given.
  Shape getShape() const;
  void setShape(Shape new_shape);

  /// Registers with the manager that dispatches event_type; 0 or -1.
  int registerInterest(std::string event_type);
  int unregisterInterest(std::string event_type);
  int getEventCount() const;
  /// The index-th registered type, "" outside the registered range.
  std::string getEventName(int index) const;

  bool isPathFollowing() const;
  Path getPath() const;
  /// The pending search, owned by the object.
  PathFind* getPathFind() const;
  /// Starts a search from the object's cell to target's cell, replacing and
  /// deleting a pending one; -1 (nothing changed) for a cell outside the
  /// world or a search the path manager refuses.
  int findPath(Vector target);
  /// One step along the path being followed, after the frame's move.
  void doPathFollowing();

 protected:
  void setModified(ObjectAttribute attribute, bool new_modified = true);

 private:
  friend class CollisionGrid;

  int handlePathEvent(const EventPath* p_e);
  /// Tells the world's collision index that the world box changed.
  void worldBoxChanged();
  /// Whether a setter may take its value: one that is not finite is
  /// refused, with a message, so that positions and motions stay finite.
  bool takesFinite(bool finite, const char* setter) const;
  /// Unregisters and deletes the pending search, if any.
  void dropPathFind();

  // What every frame's update reads comes first, so that it shares few
  // cache lines.
  int id;
  bool is_active;
  bool is_visible;
  bool no_soft;
  bool path_following;
  Solidness solidness;
  Box box;
  Vector position;
  Vector direction;
  float speed;
  Vector acceleration;
  CollisionGridEntry grid_entry;
  int altitude;
  std::string type;
  std::string sprite_name;
  Sprite* p_sprite;
  bool sprite_center;
  char sprite_transparency;
  int sprite_index;
  int sprite_slowdown;
  int sprite_slowdown_count;
  std::vector<std::string> event_name;  // at most MAX_OBJ_EVENTS
  bool modified[ATTRIBUTE_COUNT];
  Shape shape;
  Path path;
  PathFind* p_path_find;
};

}  // namespace vt
