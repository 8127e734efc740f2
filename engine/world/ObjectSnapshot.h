// A copy of an object list taken before a walk that may run event handlers.
// Handlers may delete objects outright; the snapshot remembers each object's
// id so the walk can skip the ones destroyed since, instead of calling into
// freed memory.
#pragma once

#include <vector>

#include "world/ObjectList.h"

namespace vt {

class ObjectSnapshot {
 public:
  /// Every object of list must exist when the snapshot is taken.
  explicit ObjectSnapshot(const ObjectList& list);
  explicit ObjectSnapshot(const std::vector<Object*>& objects);

  int getCount() const;

  /// Asks the processor to fetch the object at index ahead of its use; a
  /// fetch reads nothing, so the object may be gone or index past the end.
  void prefetch(int index) const;

  /// How far ahead walks over many objects fetch them.
  static constexpr int AHEAD = 8;

  /// The object at index, or none if it has been destroyed since.
  Object* getLive(int index) const;

 private:
  struct Entry {
    Object* p_object;
    int id;
  };

  std::vector<Entry> entries;
  unsigned long destroyed_before;
};

}  // namespace vt
