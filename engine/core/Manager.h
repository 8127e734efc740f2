// Base of every engine service. A manager is a single long-lived instance
// that is started and stopped explicitly and knows its own class name.
#pragma once

#include <string>

namespace vt {

class Manager {
 public:
  Manager();
  Manager(const Manager&) = delete;
  Manager& operator=(const Manager&) = delete;

  /// May this manager dispatch events of the given type.
  virtual bool isValid(std::string event_type) const;

  virtual ~Manager();

  /// Marks the manager started; 0 on success, -1 on failure.
  virtual int startUp();

  /// Marks the manager stopped.
  virtual void shutDown();

  std::string getType() const;
  bool isStarted() const;

 protected:
  void setType(std::string new_type);

 private:
  std::string type;
  bool is_started;
};

}  // namespace vt
