// The world's collisions and moves as a plain scan of every solid object:
// the reference the indexed world must agree with, in tests and benchmarks.
#pragma once

#include "vantle.h"

namespace world_test {

/// getCollisions by testing every solid object in the solid list's order.
inline vt::ObjectList linearCollisions(const vt::Object* p_o, vt::Vector where) {
  vt::ObjectList hits;
  vt::Box moved = vt::getWorldBox(p_o, where);
  vt::ObjectList solid = vt::WorldManager::getInstance().getSceneGraph().solidObjects();
  for (vt::ObjectListIterator it(&solid); !it.isDone(); it.next())
    if (it.currentObject() != p_o && it.currentObject()->isSolid() &&
        vt::boxIntersectsBox(moved, vt::getWorldBox(it.currentObject())))
      hits.insert(it.currentObject());
  return hits;
}

/// moveObject on linearCollisions, for objects its handlers do not delete.
inline int linearMove(vt::Object* p_o, vt::Vector where) {
  vt::WorldManager& world = vt::WorldManager::getInstance();
  if (p_o->isSolid()) {
    vt::ObjectList hits = linearCollisions(p_o, where);
    bool do_move = true;
    for (vt::ObjectListIterator it(&hits); !it.isDone(); it.next()) {
      vt::Object* p_other = it.currentObject();
      vt::EventCollision c(p_o, p_other, where);
      p_o->eventHandler(&c);
      p_other->eventHandler(&c);
      if (p_o->getSolidness() == vt::HARD && p_other->getSolidness() == vt::HARD) do_move = false;
      if (p_o->getNoSoft() && p_other->getSolidness() == vt::SOFT) do_move = false;
    }
    if (!do_move) return -1;
  }
  vt::Box boundary = world.getBoundary();
  vt::Box before = vt::getWorldBox(p_o);
  p_o->setPosition(where);
  if (vt::boxIntersectsBox(before, boundary) &&
      !vt::boxIntersectsBox(vt::getWorldBox(p_o, where), boundary)) {
    vt::EventOut out;
    p_o->eventHandler(&out);
  }
  if (p_o == world.getViewFollowing()) {
    vt::Box view = world.getView();
    view.setCorner(vt::followWithSlack(view, boundary, world.getViewSlack(), p_o->getPosition()));
    world.setView(view);
  }
  return 0;
}

/// The moves and accelerations of WorldManager::update on linearMove.
inline void linearUpdate() {
  vt::ObjectList active = vt::WorldManager::getInstance().getAllObjects();
  for (vt::ObjectListIterator it(&active); !it.isDone(); it.next()) {
    vt::Object* p_o = it.currentObject();
    vt::Vector predicted = p_o->getPosition() + p_o->getVelocity();
    if (predicted != p_o->getPosition()) linearMove(p_o, predicted);
    if (p_o->getAcceleration() != vt::Vector())
      p_o->setVelocity(p_o->getVelocity() + p_o->getAcceleration());
  }
}

}  // namespace world_test
