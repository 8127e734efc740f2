#include "world/ObjectListIterator.h"

#include "world/ObjectList.h"

namespace vt {

ObjectListIterator::ObjectListIterator(const ObjectList* p_init_list)
    : p_list(p_init_list), index(0) {}

void ObjectListIterator::first() { index = 0; }

void ObjectListIterator::next() {
  if (index < p_list->count) index++;
}

bool ObjectListIterator::isDone() const { return index >= p_list->count; }

Object* ObjectListIterator::currentObject() const {
  return isDone() ? nullptr : p_list->begin()[index];
}

}  // namespace vt
