// Asks the view objects whose label equals the tag to change their value.
#pragma once

#include <string>

#include "core/Event.h"

namespace vt {

const std::string VIEW_EVENT = "vt::view";

class EventView : public Event {
 public:
  EventView();
  EventView(std::string init_tag, int init_value, bool init_delta);

  void setTag(std::string new_tag);
  std::string getTag() const;
  void setValue(int new_value);
  int getValue() const;
  /// Whether the value is added to the current one instead of replacing it.
  void setDelta(bool new_delta);
  bool getDelta() const;

 private:
  std::string tag;
  int value;
  bool delta;
};

}  // namespace vt
