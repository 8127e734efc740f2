// The engine's record of which objects exist: every object is noted when it
// is constructed (or takes another id) and struck off when it is destroyed.
// Walks over copied lists ask it whether an object they hold is still there.
// Internal to the engine and its tests; not part of vantle.h.
#pragma once

namespace vt {

class Object;

/// Notes that the object at p_o has id now.
void noteObject(const Object* p_o, int id);

/// Strikes the object at p_o off and counts it as destroyed.
void forgetObject(const Object* p_o);

/// Whether the object that had id at address p_o has not been destroyed.
bool objectExists(const Object* p_o, int id);

/// Whether some object lives at address p_o.
bool objectLive(const Object* p_o);

/// How many objects have been destroyed since the program started.
unsigned long destroyedObjectCount();

}  // namespace vt
