// A key that went down, came up or is held during the frame; sent by the
// input manager to objects registered for it.
#pragma once

#include "core/Event.h"
#include "presentation/Keyboard.h"

namespace vt {

const std::string KEYBOARD_EVENT = "vt::keyboard";

enum EventKeyboardAction : int {
  UNDEFINED_KEYBOARD_ACTION = -1,
  KEY_PRESSED = 0,   ///< the key went down
  KEY_RELEASED = 1,  ///< the key went up
  KEY_DOWN = 2,      ///< the key is held during this frame
};

class EventKeyboard : public Event {
 public:
  EventKeyboard();

  void setKey(Keyboard::Key new_key);
  Keyboard::Key getKey() const;
  void setKeyboardAction(EventKeyboardAction new_action);
  EventKeyboardAction getKeyboardAction() const;

 private:
  Keyboard::Key key_val;
  EventKeyboardAction keyboard_action;
};

}  // namespace vt
