#include "world/ObjectRegistry.h"

#include <unordered_map>

namespace vt {

namespace {
// Ids are never reused, so an address together with its id names one object.
std::unordered_map<const Object*, int>& liveObjects() {
  static std::unordered_map<const Object*, int> live;
  return live;
}

unsigned long destroyed_count = 0;
}  // namespace

void noteObject(const Object* p_o, int id) { liveObjects()[p_o] = id; }

void forgetObject(const Object* p_o) {
  liveObjects().erase(p_o);
  destroyed_count++;
}

bool objectExists(const Object* p_o, int id) {
  auto found = liveObjects().find(p_o);
  return found != liveObjects().end() && found->second == id;
}

bool objectLive(const Object* p_o) { return liveObjects().count(p_o) != 0; }

unsigned long destroyedObjectCount() { return destroyed_count; }

}  // namespace vt
