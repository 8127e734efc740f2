// A mouse button clicked or held, or the pointer moved; sent by the input
// manager to objects registered for it. The position is in characters from
// the window's top-left corner.
#pragma once

#include "core/Event.h"
#include "presentation/Mouse.h"
#include "world/Vector.h"

namespace vt {

const std::string MOUSE_EVENT = "vt::mouse";

enum EventMouseAction : int {
  UNDEFINED_MOUSE_ACTION = -1,
  CLICKED = 0,  ///< a button went down
  PRESSED = 1,  ///< a button is held during this frame
  MOVED = 2,
};

class EventMouse : public Event {
 public:
  EventMouse();

  void setMouseAction(EventMouseAction new_mouse_action);
  EventMouseAction getMouseAction() const;
  void setMouseButton(Mouse::Button new_mouse_button);
  Mouse::Button getMouseButton() const;
  void setMousePosition(Vector new_mouse_xy);
  Vector getMousePosition() const;

 private:
  EventMouseAction mouse_action;
  Mouse::Button mouse_button;
  Vector mouse_xy;
};

}  // namespace vt
