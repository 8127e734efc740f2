// Pure geometry of the world: the boxes of objects in the world, box
// intersection, world and view coordinates and the placement of the view
// over the world.
#pragma once

#include "world/Box.h"
#include "world/Vector.h"

namespace vt {

class Object;

/// The object's box moved to its position.
Box getWorldBox(const Object* p_o);

/// The object's box as it would be at where.
Box getWorldBox(const Object* p_o, Vector where);

/// Inclusive on every edge: boxes that only touch intersect. A negative
/// extent leaves a box only its start along that axis. Inline: every
/// collision query calls it for each box nearby.
inline bool boxIntersectsBox(Box a, Box b) {
  auto overlaps = [](float a_start, float a_extent, float b_start, float b_extent) {
    return (b_start <= a_start && a_start <= b_start + b_extent) ||
           (a_start <= b_start && b_start <= a_start + a_extent);
  };
  return overlaps(a.getCorner().getX(), a.getHorizontal(), b.getCorner().getX(),
                  b.getHorizontal()) &&
         overlaps(a.getCorner().getY(), a.getVertical(), b.getCorner().getY(), b.getVertical());
}

/// A world position as a window cell: relative to the world manager's
/// view, which is drawn at its placement in the window.
Vector worldToView(Vector world_pos);

/// A window cell back in world coordinates.
Vector viewToWorld(Vector view_pos);

/// The view's corner that centres target, clamped into a world from (0, 0).
Vector centreView(Box view, Box boundary, Vector target);

/// The view's corner after target left the slack zone around its centre.
Vector followWithSlack(Box view, Box boundary, Vector slack, Vector target);

}  // namespace vt
