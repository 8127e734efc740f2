#include "core/Manager.h"

#include "core/Event.h"
#include "core/InterestTable.h"
#include "core/LogManager.h"
#include "world/Object.h"
#include "world/ObjectSnapshot.h"

namespace vt {

Manager::Manager() : type("Manager"), is_started(false), event_list_count(0) {}

Manager::~Manager() = default;

bool Manager::isValid(std::string) const { return false; }

int Manager::startUp() {
  if (is_started)
    LogManager::getInstance().writeLog(1, "Manager::startUp(): Warning! %s already started.",
                                       type.c_str());
  is_started = true;
  return 0;
}

void Manager::shutDown() {
  if (!is_started)
    LogManager::getInstance().writeLog(1, "Manager::shutDown(): Warning! %s not started.",
                                       type.c_str());
  is_started = false;
}

std::string Manager::getStartProblem() const { return ""; }

std::string Manager::getType() const { return type; }

bool Manager::isStarted() const { return is_started; }

void Manager::setType(std::string new_type) { type = std::move(new_type); }

int Manager::registerInterest(Object* p_o, std::string event_type) {
  if (!isValid(event_type)) {
    LogManager::getInstance().writeLog(
        "Manager(%s)::registerInterest(): Event '%s' not valid for this Manager", type.c_str(),
        event_type.c_str());
    return -1;
  }
  for (int i = 0; i < event_list_count; i++)
    if (event_list[i] == event_type) return obj_list[i].insert(p_o);
  if (event_list_count == MAX_EVENTS) return -1;
  ObjectList& objects = obj_list[event_list_count];
  objects.clear();
  if (objects.insert(p_o) != 0) return -1;
  event_list[event_list_count] = event_type;
  event_list_count++;
  return 0;
}

int Manager::unregisterInterest(Object* p_o, std::string event_type) {
  int i = 0;
  while (i < event_list_count && event_list[i] != event_type) i++;
  if (i == event_list_count) return -1;
  if (obj_list[i].remove(p_o) != 0) return -1;
  if (obj_list[i].isEmpty()) {
    for (int j = i; j < event_list_count - 1; j++) {
      event_list[j] = event_list[j + 1];
      obj_list[j] = obj_list[j + 1];
    }
    event_list_count--;
  }
  return 0;
}

int Manager::onEvent(const Event* p_event) {
  if (!p_event) return 0;
  std::string event_type = p_event->getType();
  if (event_type == UNDEFINED_EVENT)
    LogManager::getInstance().writeLog(1, "%s::onEvent(): Warning! Event type is undefined.",
                                       type.c_str());
  int count = 0;
  for (int i = 0; i < event_list_count; i++) {
    if (event_list[i] != event_type) continue;
    // Handlers may register, unregister or delete objects while this runs.
    ObjectSnapshot interested(obj_list[i]);
    for (int k = 0; k < interested.getCount(); k++) {
      Object* p_o = interested.getLive(k);
      if (!p_o || !p_o->isActive()) continue;
      p_o->eventHandler(p_event);
      count++;
    }
    break;
  }
  return count;
}

int interestCount(const Manager& manager) { return manager.event_list_count; }

std::string interestType(const Manager& manager, int index) {
  if (index < 0 || index >= manager.event_list_count) return "";
  return manager.event_list[index];
}

ObjectList interestedIn(const Manager& manager, int index) {
  if (index < 0 || index >= manager.event_list_count) return ObjectList();
  return manager.obj_list[index];
}

}  // namespace vt
