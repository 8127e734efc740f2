#include "world/ObjectSnapshot.h"

#include "world/Object.h"
#include "world/ObjectListIterator.h"
#include "world/ObjectRegistry.h"

namespace vt {

ObjectSnapshot::ObjectSnapshot(const ObjectList& list) : destroyed_before(destroyedObjectCount()) {
  entries.reserve(static_cast<std::size_t>(list.getCount()));
  for (Object** p_item = list.begin(); p_item != list.end(); p_item++) {
    if (list.end() - p_item > AHEAD) __builtin_prefetch(p_item[AHEAD]);
    entries.push_back({*p_item, (*p_item)->getId()});
  }
}

ObjectSnapshot::ObjectSnapshot(const std::vector<Object*>& objects)
    : destroyed_before(destroyedObjectCount()) {
  entries.reserve(objects.size());
  for (Object* p_o : objects) entries.push_back({p_o, p_o->getId()});
}

void ObjectSnapshot::prefetch(int index) const {
  if (index >= getCount()) return;
  // An object's per-frame fields may straddle two cache lines.
  const char* p_bytes =
      reinterpret_cast<const char*>(entries[static_cast<std::size_t>(index)].p_object);
  __builtin_prefetch(p_bytes);
  __builtin_prefetch(p_bytes + 64);
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
