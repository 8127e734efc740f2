// Owns the game world: its boundary, the view onto it shown in the window
// and the slack within which the followed object moves without moving the view.
#pragma once

#include "core/Manager.h"
#include "world/Box.h"
#include "world/Vector.h"

namespace vt {

class WorldManager : public Manager {
 public:
  static WorldManager& getInstance();

  int startUp() override;
  void shutDown() override;

  /// Moves, accelerates and deletes the world's objects for one frame.
  void update();

  /// Draws the world's objects that the view shows.
  void draw();

  void setBoundary(Box new_boundary);
  Box getBoundary() const;
  void setView(Box new_view);
  Box getView() const;
  void setViewSlack(Vector new_view_slack);
  Vector getViewSlack() const;

 private:
  WorldManager();

  Box boundary;
  Box view;
  Vector view_slack;
};

}  // namespace vt
