// Turns the window's keyboard and mouse activity into engine events.
#pragma once

#include <string>

#include "core/Manager.h"

namespace vt {

class InputManager : public Manager {
 public:
  static InputManager& getInstance();

  /// Needs the graphics manager started first.
  int startUp() override;
  void shutDown() override;

  /// Only keyboard and mouse events are dispatched by the input manager.
  bool isValid(std::string event_type) const override;

  /// Reads and dispatches one frame's input.
  void getInput();

 private:
  InputManager();
};

}  // namespace vt
