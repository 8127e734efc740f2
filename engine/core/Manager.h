// Base of every engine service. A manager is a single long-lived instance
// that is started and stopped explicitly and knows its own class name. It
// also keeps, per event type it dispatches, the objects interested in it.
#pragma once

#include <string>

#include "world/ObjectList.h"

namespace vt {

class Event;
class Object;

/// Most distinct event types one manager keeps interest for.
const int MAX_EVENTS = 100;

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

  /// Why the last startUp failed, in a few words for the player (say,
  /// "DISPLAY is not set"); empty when it did not fail or has no reason
  /// to give.
  virtual std::string getStartProblem() const;

  std::string getType() const;
  bool isStarted() const;

  /// Adds p_o to the objects that receive event_type; 0 or -1.
  int registerInterest(Object* p_o, std::string event_type);

  /// Removes one registration of p_o for event_type; 0 or -1.
  int unregisterInterest(Object* p_o, std::string event_type);

  /// Delivers the event to the active objects registered for its type, as
  /// they were registered when delivery began; answers how many received it.
  int onEvent(const Event* p_event);

 protected:
  void setType(std::string new_type);

 private:
  friend int interestCount(const Manager& manager);
  friend std::string interestType(const Manager& manager, int index);
  friend ObjectList interestedIn(const Manager& manager, int index);

  std::string type;
  bool is_started;
  std::string event_list[MAX_EVENTS];
  ObjectList obj_list[MAX_EVENTS];
  int event_list_count;
};

}  // namespace vt
