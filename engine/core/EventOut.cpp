#include "core/EventOut.h"

namespace vt {

EventOut::EventOut() { setType(OUT_EVENT); }

}  // namespace vt
