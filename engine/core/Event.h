// The base of every event delivered to objects. An event is a plain value
// made on the stack by its producer; its type name decides who receives it.
#pragma once

#include <string>

namespace vt {

const std::string UNDEFINED_EVENT = "vt::undefined";

class Event {
 public:
  Event();
  virtual ~Event();

  void setType(std::string new_type);
  std::string getType() const;

 private:
  std::string event_type;
};

}  // namespace vt
