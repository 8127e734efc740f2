// Walks an object list by index from its first item to its last.
#pragma once

namespace vt {

class Object;
class ObjectList;

class ObjectListIterator {
 public:
  /// Starts at the first item of *p_list, which must outlive the iterator.
  explicit ObjectListIterator(const ObjectList* p_list);

  void first();

  /// Moves on by one, never past the end.
  void next();

  bool isDone() const;

  /// The item at the current index, or none at the end.
  Object* currentObject() const;

 private:
  const ObjectList* p_list;
  int index;
};

}  // namespace vt
