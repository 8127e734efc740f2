#include "presentation/InputManager.h"

#include "core/LogManager.h"
#include "presentation/GraphicsManager.h"

namespace vt {

InputManager::InputManager() { setType("InputManager"); }

InputManager& InputManager::getInstance() {
  static InputManager instance;
  return instance;
}

int InputManager::startUp() {
  LogManager& log = LogManager::getInstance();
  if (!GraphicsManager::getInstance().isStarted()) {
    log.writeLog(
        "InputManager::startUp(): Error starting InputManager. GraphicsManager must be started "
        "first.");
    return -1;
  }
  Manager::startUp();
  log.writeLog(5, "InputManager::startUp(): successfully started.");
  return 0;
}

void InputManager::shutDown() {
  Manager::shutDown();
  LogManager::getInstance().writeLog(1, "InputManager::shutDown(): successfully stopped.");
}

bool InputManager::isValid(std::string event_type) const {
  return event_type == "vt::keyboard" || event_type == "vt::mouse";
}

void InputManager::getInput() {}

}  // namespace vt
