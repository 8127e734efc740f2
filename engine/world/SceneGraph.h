// Indexes the world's objects by what each frame's work asks about them:
// active, solid, visible per altitude, and inactive. The object setters ask
// the scene graph to move an object between lists before they change the
// attribute, so the lists always agree with the objects.
#pragma once

#include <vector>

#include "world/CollisionGrid.h"
#include "world/Object.h"
#include "world/ObjectList.h"

namespace vt {

class SceneGraph {
 public:
  SceneGraph();

  /// Adds an object to the lists its attributes call for; 0 or -1.
  int insertObject(Object* p_o);

  /// Takes an object out of every list it is in; 0 or -1.
  int removeObject(Object* p_o);

  ObjectList activeObjects() const;
  ObjectList solidObjects() const;
  ObjectList inactiveObjects() const;

  /// The visible objects at altitude; empty (with a message) for a bad altitude.
  ObjectList visibleObjects(int altitude) const;

  /// The lists themselves, for walks that take their own snapshot: valid
  /// until the scene graph changes. The altitude must be valid.
  const ObjectList& getActiveList() const;
  const ObjectList& getVisibleList(int altitude) const;

  /// Replaces found with the solid objects other than p_except whose world
  /// boxes intersect box, in the solid list's order.
  void solidCollisions(const Box& box, const Object* p_except, std::vector<Object*>& found) const;

  /// The world's extent, over which the index of the solid objects is laid.
  void setArea(const Box& area);

  /// Called after an object's position or box changed.
  void updatePosition(Object* p_o);

  /// The index of the solid objects by place.
  const CollisionGrid& getGrid() const;

  // Each is called before the object's attribute changes, so p_o still
  // carries its old value; -1 makes the setter keep the old value.
  int updateAltitude(Object* p_o, int new_altitude);
  int updateSolidness(Object* p_o, Solidness new_solidness);
  int updateVisible(Object* p_o, bool new_visible);
  int updateActive(Object* p_o, bool new_active);

 private:
  /// The solid list and the grid change together.
  int addSolid(Object* p_o);
  int dropSolid(Object* p_o);
  /// The two ways of updateActive; a failure leaves the lists as they were.
  int deactivate(Object* p_o);
  int activate(Object* p_o);

  ObjectList objects;
  ObjectList solid_objects;
  ObjectList visible_objects[MAX_ALTITUDE + 1];
  ObjectList inactive_objects;
  CollisionGrid grid;
};

}  // namespace vt
