// A growable array of object pointers that never owns what it points to.
// Lists are copied and returned by value, so every list a caller receives is
// a snapshot that later changes to the world do not affect.
#pragma once

namespace vt {

class Object;

class ObjectList {
 public:
  /// An empty list with room for one item (none if that allocation fails).
  ObjectList();
  ObjectList(const ObjectList& other);
  ObjectList& operator=(const ObjectList& other);
  ~ObjectList();

  /// Appends p_o, doubling the capacity when full; -1 for none or when
  /// the list cannot grow (the list is then unchanged).
  int insert(Object* p_o);

  /// Removes the first occurrence of p_o keeping the order of the rest;
  /// -1 if it is not in the list.
  int remove(Object* p_o);

  /// Whether p_o is in the list.
  bool contains(const Object* p_o) const;

  void clear();
  int getCount() const;
  int getMaxCount() const;
  bool isEmpty() const;

  /// A copy of this list with every item of other appended in order.
  ObjectList operator+(const ObjectList& other) const;

 private:
  friend class ObjectListIterator;

  int count;
  int max_count;
  Object** p_item;
};

}  // namespace vt
