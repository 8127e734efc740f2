// The engine's numbering of keyboard keys, carried by keyboard events.
#pragma once

namespace vt {
namespace Keyboard {

enum Key : int {
  UNDEFINED_KEY = -1,
};

}  // namespace Keyboard
}  // namespace vt
