#include "world/ObjectList.h"

#include <algorithm>
#include <new>

namespace vt {

ObjectList::ObjectList() : count(0), max_count(0), p_item(new (std::nothrow) Object*[1]) {
  if (p_item) max_count = 1;
}

ObjectList::ObjectList(const ObjectList& other)
    : count(0), max_count(0), p_item(new (std::nothrow) Object*[std::max(other.max_count, 1)]) {
  if (!p_item) return;
  max_count = std::max(other.max_count, 1);
  count = other.count;
  std::copy(other.p_item, other.p_item + other.count, p_item);
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
  count = other.count;
  std::copy(other.p_item, other.p_item + other.count, p_item);
  return *this;
}

ObjectList::~ObjectList() { delete[] p_item; }

int ObjectList::insert(Object* p_o) {
  if (!p_o) return -1;
  if (count == max_count) {
    int new_max = max_count > 0 ? max_count * 2 : 1;
    Object** p_new = new (std::nothrow) Object*[new_max];
    if (!p_new) return -1;
    std::copy(p_item, p_item + count, p_new);
    delete[] p_item;
    p_item = p_new;
    max_count = new_max;
  }
  p_item[count++] = p_o;
  return 0;
}

int ObjectList::remove(Object* p_o) {
  Object** p_end = p_item + count;
  Object** p_found = std::find(p_item, p_end, p_o);
  if (p_found == p_end) return -1;
  std::copy(p_found + 1, p_end, p_found);
  count--;
  return 0;
}

bool ObjectList::contains(const Object* p_o) const {
  return std::find(p_item, p_item + count, p_o) != p_item + count;
}

void ObjectList::clear() { count = 0; }

int ObjectList::getCount() const { return count; }

int ObjectList::getMaxCount() const { return max_count; }

bool ObjectList::isEmpty() const { return count == 0; }

ObjectList ObjectList::operator+(const ObjectList& other) const {
  ObjectList sum(*this);
  for (int i = 0; i < other.count; i++)
    if (other.p_item[i]) sum.insert(other.p_item[i]);
  return sum;
}

}  // namespace vt
