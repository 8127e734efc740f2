// The codes every output reports keys by, whatever reads them: a window, a
// terminal or a web page. They are numbered as the window's library (SFML)
// numbers its keys, which recordings store and the engine's key values
// derive from; mouse buttons are numbered as the engine's Mouse::Button.
#pragma once

namespace vt {
namespace KeyCode {

enum Code : int {
  UNKNOWN = -1,
  A = 0,  // to Z = 25 in order
  Z = 25,
  NUM_0 = 26,  // the main keyboard's digits, to NUM_9 = 35 in order
  NUM_9 = 35,
  ESCAPE = 36,
  LEFT_CONTROL,
  LEFT_SHIFT,
  LEFT_ALT,
  LEFT_SYSTEM,
  RIGHT_CONTROL,
  RIGHT_SHIFT,
  RIGHT_ALT,
  RIGHT_SYSTEM,
  MENU,
  LEFT_BRACKET,
  RIGHT_BRACKET,
  SEMICOLON,
  COMMA,
  PERIOD,
  QUOTE,
  SLASH,
  BACKSLASH,
  TILDE,
  EQUAL,
  HYPHEN,
  SPACE,
  ENTER,
  BACKSPACE,
  TAB,
  PAGE_UP,
  PAGE_DOWN,
  END,
  HOME,
  INSERT,
  DELETE,
  ADD,
  SUBTRACT,
  MULTIPLY,
  DIVIDE,
  LEFT,
  RIGHT,
  UP,
  DOWN,
  NUMPAD_0,  // to NUMPAD_9 = 84 in order
  NUMPAD_9 = 84,
  F1,  // to F15 = 99 in order
  F15 = 99,
  PAUSE,
  COUNT,
};

/// Mouse buttons: LEFT 0, RIGHT 1, MIDDLE 2 and two extra buttons.
const int MOUSE_BUTTON_COUNT = 5;

}  // namespace KeyCode
}  // namespace vt
