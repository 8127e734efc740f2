// Sent by the world manager to both objects of a collision, the one that
// moved first; no registration is needed to receive it.
#pragma once

#include "core/Event.h"
#include "world/Vector.h"

namespace vt {

class Object;

const std::string COLLISION_EVENT = "vt::collision";

class EventCollision : public Event {
 public:
  /// No objects, at (0, 0).
  EventCollision();
  EventCollision(Object* p_init_obj1, Object* p_init_obj2, Vector init_pos);

  /// The object that moved.
  void setObject1(Object* p_new_obj1);
  Object* getObject1() const;
  /// The object it ran into.
  void setObject2(Object* p_new_obj2);
  Object* getObject2() const;
  /// Where the moving object was going.
  void setPosition(Vector new_pos);
  Vector getPosition() const;

 private:
  Vector pos;
  Object* p_obj1;
  Object* p_obj2;
};

}  // namespace vt
