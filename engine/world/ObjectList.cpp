#include "world/ObjectList.h"

#include <algorithm>
#include <new>

namespace vt {

ObjectList::ObjectList() : count(0), max_count(0), first(0), p_item(new (std::nothrow) Object*[1]) {
  if (p_item) max_count = 1;
}

ObjectList::ObjectList(const ObjectList& other)
    : count(0),
      max_count(0),
      first(0),
      p_item(new (std::nothrow) Object*[std::max(other.max_count, 1)]) {
  if (!p_item) return;
  max_count = std::max(other.max_count, 1);
  count = other.count;
  std::copy(other.begin(), other.end(), p_item);
}

ObjectList& ObjectList::operator=(const ObjectList& other) {
  if (this == &other) return *this;
  if (max_count < other.count) {
    // Keep the old items if the larger array cannot be had.
    Object** p_new = new (std::nothrow) Object*[other.max_count];
    if (!p_new) return *this;
    delete[] p_item;
    p_item = p_new;
    max_count = other.max_count;
  }
  // Items move down to the front; other may share no memory with this.
  std::copy(other.begin(), other.end(), p_item);
  count = other.count;
  first = 0;
  return *this;
}

ObjectList::~ObjectList() { delete[] p_item; }

int ObjectList::insert(Object* p_o) {
  if (!p_o) return -1;
  if (count == max_count) {
    int new_max = max_count > 0 ? max_count * 2 : 1;
    Object** p_new = new (std::nothrow) Object*[new_max];
    if (!p_new) return -1;
    std::copy(begin(), end(), p_new);
    delete[] p_item;
    p_item = p_new;
    max_count = new_max;
    first = 0;
  } else if (first + count == max_count) {
    std::copy(begin(), end(), p_item);
    first = 0;
  }
  p_item[first + count] = p_o;
  count++;
  return 0;
}

int ObjectList::remove(Object* p_o) {
  Object** p_found = std::find(begin(), end(), p_o);
  if (p_found == end()) return -1;
  if (p_found - begin() < end() - p_found) {
    std::copy_backward(begin(), p_found, p_found + 1);
    first++;
  } else {
    std::copy(p_found + 1, end(), p_found);
  }
  count--;
  if (count == 0) first = 0;
  return 0;
}

bool ObjectList::contains(const Object* p_o) const {
  return std::find(begin(), end(), p_o) != end();
}

void ObjectList::clear() {
  count = 0;
  first = 0;
}

int ObjectList::getCount() const { return count; }

int ObjectList::getMaxCount() const { return max_count; }

bool ObjectList::isEmpty() const { return count == 0; }

ObjectList ObjectList::operator+(const ObjectList& other) const {
  ObjectList sum(*this);
  for (Object* const* p = other.begin(); p != other.end(); p++)
    if (*p) sum.insert(*p);
  return sum;
}

Object** ObjectList::begin() const { return p_item + first; }

Object** ObjectList::end() const { return p_item + first + count; }

}  // namespace vt
