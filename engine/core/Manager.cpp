#include "core/Manager.h"

#include "core/LogManager.h"

namespace vt {

Manager::Manager() : type("Manager"), is_started(false) {}

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

std::string Manager::getType() const { return type; }

bool Manager::isStarted() const { return is_started; }

void Manager::setType(std::string new_type) { type = std::move(new_type); }

}  // namespace vt
