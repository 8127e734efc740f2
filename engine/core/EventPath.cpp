#include "core/EventPath.h"

namespace vt {

EventPath::EventPath() : status(NOT_FOUND) { setType(PATH_EVENT); }

EventPath::EventPath(SearchStatus init_status, Path init_path)
    : status(init_status), path(std::move(init_path)) {
  setType(PATH_EVENT);
}

void EventPath::setStatus(SearchStatus new_status) { status = new_status; }

SearchStatus EventPath::getStatus() const { return status; }

void EventPath::setPath(Path new_path) { path = std::move(new_path); }

Path EventPath::getPath() const { return path; }

}  // namespace vt
