#include "world/ObjectSnapshot.h"

#include "world/Object.h"
#include "world/ObjectListIterator.h"
#include "world/ObjectRegistry.h"

namespace vt {

ObjectSnapshot::ObjectSnapshot(const ObjectList& list) : destroyed_before(destroyedObjectCount()) {
  entries.reserve(static_cast<std::size_t>(list.getCount()));
  for (ObjectListIterator it(&list); !it.isDone(); it.next())
    entries.push_back({it.currentObject(), it.currentObject()->getId()});
}

ObjectSnapshot::ObjectSnapshot(const std::vector<Object*>& objects)
    : destroyed_before(destroyedObjectCount()) {
  entries.reserve(objects.size());
  for (Object* p_o : objects) entries.push_back({p_o, p_o->getId()});
}

int ObjectSnapshot::getCount() const { return static_cast<int>(entries.size()); }

Object* ObjectSnapshot::getLive(int index) const {
  if (index < 0 || index >= getCount()) return nullptr;
  const Entry& entry = entries[static_cast<std::size_t>(index)];
  // Nothing destroyed since the copy: every entry is still there.
  if (destroyedObjectCount() == destroyed_before) return entry.p_object;
  return objectExists(entry.p_object, entry.id) ? entry.p_object : nullptr;
}

}  // namespace vt
