// The engine's numbering of mouse buttons, carried by mouse events.
#pragma once

namespace vt {
namespace Mouse {

enum Button : int {
  UNDEFINED_MOUSE_BUTTON = -1,
  LEFT = 0,
  RIGHT = 1,
  MIDDLE = 2,
};

}  // namespace Mouse
}  // namespace vt
