#include "world/Geometry.h"

#include <algorithm>

#include "world/Object.h"
#include "world/WorldManager.h"

namespace vt {

Box getWorldBox(const Object* p_o) { return getWorldBox(p_o, p_o->getPosition()); }

Box getWorldBox(const Object* p_o, Vector where) {
  Box box = p_o->getBox();
  box.setCorner(box.getCorner() + where);
  return box;
}

Vector worldToView(Vector world_pos) {
  const WorldManager& world = WorldManager::getInstance();
  return world_pos - world.getView().getCorner() + world.getViewPlacement();
}

Vector viewToWorld(Vector view_pos) {
  const WorldManager& world = WorldManager::getInstance();
  return view_pos - world.getViewPlacement() + world.getView().getCorner();
}

Vector centreView(Box view, Box boundary, Vector target) {
  float x = target.getX() - view.getHorizontal() / 2;
  float y = target.getY() - view.getVertical() / 2;
  // The far edge is clamped first, so a view wider than the world ends at 0.
  if (x + view.getHorizontal() > boundary.getHorizontal())
    x = boundary.getHorizontal() - view.getHorizontal();
  x = std::max(0.0f, x);
  if (y + view.getVertical() > boundary.getVertical())
    y = boundary.getVertical() - view.getVertical();
  y = std::max(0.0f, y);
  return Vector(x, y);
}

Vector followWithSlack(Box view, Box boundary, Vector slack, Vector target) {
  float cx = view.getCorner().getX() + view.getHorizontal() / 2;
  float cy = view.getCorner().getY() + view.getVertical() / 2;
  float dx = slack.getX() * view.getHorizontal() / 2;
  float dy = slack.getY() * view.getVertical() / 2;
  if (cx - dx > target.getX())
    cx -= (cx - dx) - target.getX();
  else if (target.getX() > cx + dx)
    cx += target.getX() - (cx + dx);
  if (cy - dy > target.getY())
    cy -= (cy - dy) - target.getY();
  else if (target.getY() > cy + dy)
    cy += target.getY() - (cy + dy);
  return centreView(view, boundary, Vector(cx, cy));
}

}  // namespace vt
