// Sent by the path manager to the object whose search ended, with the
// search's result and the path it found.
#pragma once

#include "core/Event.h"
#include "path/Path.h"

namespace vt {

const std::string PATH_EVENT = "vt::path";

class EventPath : public Event {
 public:
  /// NOT_FOUND with an empty path.
  EventPath();
  EventPath(SearchStatus init_status, Path init_path);

  void setStatus(SearchStatus new_status);
  SearchStatus getStatus() const;
  void setPath(Path new_path);
  Path getPath() const;

 private:
  SearchStatus status;
  Path path;
};

}  // namespace vt
