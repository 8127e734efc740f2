#include "presentation/Keyboard.h"

#include <utility>

#include "presentation/KeyCode.h"

namespace vt {
namespace Keyboard {

namespace {
// The keys outside the runs of letters, digits and function keys.
const std::pair<int, Key> NAMED[] = {
    {KeyCode::SPACE, SPACE},
    {KeyCode::ENTER, RETURN},
    {KeyCode::ESCAPE, ESCAPE},
    {KeyCode::TAB, TAB},
    {KeyCode::LEFT, LEFT_ARROW},
    {KeyCode::RIGHT, RIGHT_ARROW},
    {KeyCode::UP, UP_ARROW},
    {KeyCode::DOWN, DOWN_ARROW},
    {KeyCode::PAUSE, PAUSE},
    {KeyCode::SUBTRACT, MINUS},
    {KeyCode::ADD, PLUS},
    {KeyCode::TILDE, TILDE},
    {KeyCode::PERIOD, PERIOD},
    {KeyCode::COMMA, COMMA},
    {KeyCode::SLASH, SLASH},
    {KeyCode::EQUAL, EQUAL},
    {KeyCode::BACKSLASH, BACKSLASH},
    {KeyCode::MULTIPLY, MULTIPLY},
    {KeyCode::QUOTE, QUOTE},
    {KeyCode::SEMICOLON, SEMICOLON},
    {KeyCode::LEFT_CONTROL, LEFT_CONTROL},
    {KeyCode::RIGHT_CONTROL, RIGHT_CONTROL},
    {KeyCode::LEFT_SHIFT, LEFT_SHIFT},
    {KeyCode::RIGHT_SHIFT, RIGHT_SHIFT},
    {KeyCode::NUM_0, NUM_0},
    {KeyCode::BACKSPACE, BACKSPACE},
};
}  // namespace

Key fromCode(int code) {
  // Letters, digits and function keys run in order in both numberings.
  if (code >= KeyCode::A && code <= KeyCode::Z) return static_cast<Key>(A + (code - KeyCode::A));
  if (code >= KeyCode::NUM_0 + 1 && code <= KeyCode::NUM_9)
    return static_cast<Key>(NUM_1 + (code - KeyCode::NUM_0 - 1));
  if (code >= KeyCode::F1 && code <= KeyCode::F1 + 11)
    return static_cast<Key>(F1 + (code - KeyCode::F1));
  for (const auto& [named, key] : NAMED)
    if (named == code) return key;
  return static_cast<Key>(code + UNNAMED_KEY_OFFSET);
}

}  // namespace Keyboard
}  // namespace vt
