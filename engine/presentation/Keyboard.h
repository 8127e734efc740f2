// The engine's numbering of keyboard keys, carried by keyboard events.
#pragma once

namespace vt {
namespace Keyboard {

/// Keys without a name of their own carry their SFML key code plus
/// UNNAMED_KEY_OFFSET: 96 and up, clear of the named values.
enum Key : int {
  UNDEFINED_KEY = -1,
  SPACE = 0,
  RETURN,
  ESCAPE,
  TAB,
  LEFT_ARROW,
  RIGHT_ARROW,
  UP_ARROW,
  DOWN_ARROW,
  PAUSE,
  MINUS,
  PLUS,
  TILDE,
  PERIOD,
  COMMA,
  SLASH,
  EQUAL,
  BACKSLASH,
  MULTIPLY,
  QUOTE,
  SEMICOLON,
  LEFT_CONTROL,
  RIGHT_CONTROL,
  LEFT_SHIFT,
  RIGHT_SHIFT,
  F1,
  F2,
  F3,
  F4,
  F5,
  F6,
  F7,
  F8,
  F9,
  F10,
  F11,
  F12,
  A,
  B,
  C,
  D,
  E,
  F,
  G,
  H,
  I,
  J,
  K,
  L,
  M,
  N,
  O,
  P,
  Q,
  R,
  S,
  T,
  U,
  V,
  W,
  X,
  Y,
  Z,
  NUM_1,
  NUM_2,
  NUM_3,
  NUM_4,
  NUM_5,
  NUM_6,
  NUM_7,
  NUM_8,
  NUM_9,
  NUM_0,
  BACKSPACE,
};

/// Added to the SFML code of a key that has no engine name.
const int UNNAMED_KEY_OFFSET = 97;

/// The engine's value for a key code (KeyCode.h): its name, or for a key
/// without one its code plus UNNAMED_KEY_OFFSET.
Key fromCode(int code);

}  // namespace Keyboard
}  // namespace vt
