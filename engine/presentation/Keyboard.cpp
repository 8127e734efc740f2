#include "presentation/Keyboard.h"

namespace vt {
namespace Keyboard {

Key fromSFML(sf::Keyboard::Key sfml_key) {
  // Letters, digits and function keys run in order in both numberings.
  if (sfml_key >= sf::Keyboard::A && sfml_key <= sf::Keyboard::Z)
    return static_cast<Key>(A + (sfml_key - sf::Keyboard::A));
  if (sfml_key >= sf::Keyboard::Num1 && sfml_key <= sf::Keyboard::Num9)
    return static_cast<Key>(NUM_1 + (sfml_key - sf::Keyboard::Num1));
  if (sfml_key >= sf::Keyboard::F1 && sfml_key <= sf::Keyboard::F12)
    return static_cast<Key>(F1 + (sfml_key - sf::Keyboard::F1));
  switch (sfml_key) {
    case sf::Keyboard::Space:
      return SPACE;
    case sf::Keyboard::Enter:
      return RETURN;
    case sf::Keyboard::Escape:
      return ESCAPE;
    case sf::Keyboard::Tab:
      return TAB;
    case sf::Keyboard::Left:
      return LEFT_ARROW;
    case sf::Keyboard::Right:
      return RIGHT_ARROW;
    case sf::Keyboard::Up:
      return UP_ARROW;
    case sf::Keyboard::Down:
      return DOWN_ARROW;
    case sf::Keyboard::Pause:
      return PAUSE;
    case sf::Keyboard::Subtract:
      return MINUS;
    case sf::Keyboard::Add:
      return PLUS;
    case sf::Keyboard::Tilde:
      return TILDE;
    case sf::Keyboard::Period:
      return PERIOD;
    case sf::Keyboard::Comma:
      return COMMA;
    case sf::Keyboard::Slash:
      return SLASH;
    case sf::Keyboard::Equal:
      return EQUAL;
    case sf::Keyboard::Backslash:
      return BACKSLASH;
    case sf::Keyboard::Multiply:
      return MULTIPLY;
    case sf::Keyboard::Quote:
      return QUOTE;
    case sf::Keyboard::Semicolon:
      return SEMICOLON;
    case sf::Keyboard::LControl:
      return LEFT_CONTROL;
    case sf::Keyboard::RControl:
      return RIGHT_CONTROL;
    case sf::Keyboard::LShift:
      return LEFT_SHIFT;
    case sf::Keyboard::RShift:
      return RIGHT_SHIFT;
    case sf::Keyboard::Num0:
      return NUM_0;
    case sf::Keyboard::Backspace:
      return BACKSPACE;
    default:
      return static_cast<Key>(sfml_key + UNNAMED_KEY_OFFSET);
  }
}

}  // namespace Keyboard
}  // namespace vt
