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
  /// -1 if it is not in the list. Whichever side of it is shorter moves,
  /// so taking items from the front costs nothing to the rest.
  int remove(Object* p_o);

  /// Whether p_o is in the list.
  bool contains(const Object* p_o) const;

  void clear();
  int getCount() const;
  int getMaxCount() const;
  bool isEmpty() const;

  /// A copy of this list with every item of other appended in order.
  ObjectList operator+(const ObjectList& other) const;

  /// The items, from the first to one past the last, for walks that need no
  /// copy: valid until the list changes.
  Object** begin() const;
  Object** end() const;

 private:
  friend class ObjectListIterator;

  int count;
  int max_count;
  int first;  // index in p_item of the first item: room freed at the front
  Object** p_item;
};

}  // namespace vt
