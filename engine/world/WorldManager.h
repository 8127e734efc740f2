// Owns the game world: every object in it, its boundary, the view onto it
// shown in the window and the object the view follows. Each frame it moves
// the objects by their velocities, resolves collisions, tells objects that
// left the world, deletes the ones marked for deletion and draws the rest
// layer by layer. It also dispatches the event types no other manager takes.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "core/Manager.h"
#include "world/Box.h"
#include "world/ObjectList.h"
#include "world/SceneGraph.h"
#include "world/Vector.h"

namespace vt {

class WorldManager : public Manager {
 public:
  static WorldManager& getInstance();

  /// Every type but step, input, collision and out-of-world events, which
  /// belong to other managers or are delivered without registration.
  bool isValid(std::string event_type) const override;

  int startUp() override;

  /// Deletes every object left in the world.
  void shutDown() override;

  /// Called by the object constructor and destructor.
  int insertObject(Object* p_o);
  int removeObject(Object* p_o);

  /// The active objects, then the inactive ones if asked for.
  ObjectList getAllObjects(bool include_inactive = false) const;

  /// Has the object deleted at the end of the next update; 0 or -1.
  int markForDelete(Object* p_o);

  /// Whether the object waits to be deleted at the end of an update.
  bool isMarkedForDelete(const Object* p_o) const;

  /// Moves, path-steers and accelerates the active objects, then deletes
  /// the ones marked for deletion.
  void update();

  /// Draws the visible objects in the view, altitude by altitude.
  void draw();

  /// The solid objects other than p_o that p_o would touch at where, in
  /// the order they became solid.
  ObjectList getCollisions(const Object* p_o, Vector where) const;

  /// The first HARD object of getCollisions(p_o, where), or none: whether
  /// a HARD object blocks p_o there, without building the list.
  Object* getHardCollision(const Object* p_o, Vector where) const;

  /// Moves p_o to where unless a collision blocks it; 0 if moved, -1 if not.
  int moveObject(Object* p_o, Vector where);

  void setBoundary(Box new_boundary);
  Box getBoundary() const;
  void setView(Box new_view);
  Box getView() const;
  void setViewSlack(Vector new_view_slack);
  Vector getViewSlack() const;
  /// The window cell where the view's top-left corner is drawn, (0, 0)
  /// unless a game leaves room around the view, say for its displays.
  void setViewPlacement(Vector new_view_placement);
  Vector getViewPlacement() const;

  /// Centres the view on an active object and keeps it in view as it moves;
  /// none stops following. -1 for an object not active in the world.
  int setViewFollowing(Object* p_new_view_following);
  Object* getViewFollowing() const;

  SceneGraph& getSceneGraph();

 private:
  WorldManager();

  /// The solid objects p_o would touch at where, in scratch (reused by
  /// every query, so valid until the next one).
  const std::vector<Object*>& collisionsAt(const Object* p_o, Vector where) const;

  SceneGraph scene_graph;
  // The objects marked for deletion in marking order (none for one deleted
  // since), and where each stands in it until it is deleted.
  std::vector<Object*> deletions;
  std::unordered_map<const Object*, std::size_t> marked;
  mutable std::vector<Object*> scratch;
  Object* p_view_following;
  Box boundary;
  Box view;
  Vector view_slack;
  Vector view_placement;
};

}  // namespace vt
