// A route across the world's cells, from the start cell to the end cell,
// with the index of the node an object heads for next.
#pragma once

#include <vector>

#include "world/Vector.h"

namespace vt {

/// Where a path search stands.
enum SearchStatus : int {
  NOT_FOUND = 0,
  INCOMPLETE = 1,
  FOUND = 2,
};

class Path {
 public:
  /// No nodes, heading for index 0.
  Path();

  void addNode(Vector node);
  int getNodeCount() const;

  /// The node at index, or (0, 0) outside the path.
  Vector getNode(int index) const;

  int getIndex() const;
  void setIndex(int new_index);

 private:
  std::vector<Vector> nodes;
  int index;
};

}  // namespace vt
