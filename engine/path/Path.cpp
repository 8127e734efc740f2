#include "path/Path.h"

namespace vt {

Path::Path() : index(0) {}

void Path::addNode(Vector node) { nodes.push_back(node); }

int Path::getNodeCount() const { return static_cast<int>(nodes.size()); }

Vector Path::getNode(int node_index) const {
  if (node_index < 0 || node_index >= getNodeCount()) return Vector();
  return nodes[static_cast<std::size_t>(node_index)];
}

int Path::getIndex() const { return index; }

void Path::setIndex(int new_index) { index = new_index; }

}  // namespace vt
