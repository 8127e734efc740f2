#include "core/EventCollision.h"

namespace vt {

EventCollision::EventCollision() : p_obj1(nullptr), p_obj2(nullptr) { setType(COLLISION_EVENT); }

EventCollision::EventCollision(Object* p_init_obj1, Object* p_init_obj2, Vector init_pos)
    : pos(init_pos), p_obj1(p_init_obj1), p_obj2(p_init_obj2) {
  setType(COLLISION_EVENT);
}

void EventCollision::setObject1(Object* p_new_obj1) { p_obj1 = p_new_obj1; }

Object* EventCollision::getObject1() const { return p_obj1; }

void EventCollision::setObject2(Object* p_new_obj2) { p_obj2 = p_new_obj2; }

Object* EventCollision::getObject2() const { return p_obj2; }

void EventCollision::setPosition(Vector new_pos) { pos = new_pos; }

Vector EventCollision::getPosition() const { return pos; }

}  // namespace vt
