#include "presentation/SfmlConvert.h"

#include <utility>

#include "core/LogManager.h"

namespace vt {

sf::Color colorToSFML(Color color) {
  int value = static_cast<int>(color);
  if (value == CUSTOM) {
    LogManager::getInstance().writeLog(5, "colorToSFML(): Color is CUSTOM.");
    return sf::Color::White;
  }
  if (value < BLACK || value > CUSTOM) {
    LogManager::getInstance().writeLog(5, "colorToSFML(): Color %d not supported.", value);
    return sf::Color::White;
  }
  std::uint8_t red = 0, green = 0, blue = 0;
  colorToRGB(color, red, green, blue);
  return sf::Color(red, green, blue);
}

namespace Keyboard {

namespace {
// The keys outside the runs of letters, digits and function keys.
const std::pair<sf::Keyboard::Key, Key> NAMED[] = {
    {sf::Keyboard::Space, SPACE},
    {sf::Keyboard::Enter, RETURN},
    {sf::Keyboard::Escape, ESCAPE},
    {sf::Keyboard::Tab, TAB},
    {sf::Keyboard::Left, LEFT_ARROW},
    {sf::Keyboard::Right, RIGHT_ARROW},
    {sf::Keyboard::Up, UP_ARROW},
    {sf::Keyboard::Down, DOWN_ARROW},
    {sf::Keyboard::Pause, PAUSE},
    {sf::Keyboard::Subtract, MINUS},
    {sf::Keyboard::Add, PLUS},
    {sf::Keyboard::Tilde, TILDE},
    {sf::Keyboard::Period, PERIOD},
    {sf::Keyboard::Comma, COMMA},
    {sf::Keyboard::Slash, SLASH},
    {sf::Keyboard::Equal, EQUAL},
    {sf::Keyboard::Backslash, BACKSLASH},
    {sf::Keyboard::Multiply, MULTIPLY},
    {sf::Keyboard::Quote, QUOTE},
    {sf::Keyboard::Semicolon, SEMICOLON},
    {sf::Keyboard::LControl, LEFT_CONTROL},
    {sf::Keyboard::RControl, RIGHT_CONTROL},
    {sf::Keyboard::LShift, LEFT_SHIFT},
    {sf::Keyboard::RShift, RIGHT_SHIFT},
    {sf::Keyboard::Num0, NUM_0},
    {sf::Keyboard::Backspace, BACKSPACE},
};
}  // namespace

Key fromSFML(sf::Keyboard::Key sfml_key) {
  // Letters, digits and function keys run in order in both numberings.
  if (sfml_key >= sf::Keyboard::A && sfml_key <= sf::Keyboard::Z)
    return static_cast<Key>(A + (sfml_key - sf::Keyboard::A));
  if (sfml_key >= sf::Keyboard::Num1 && sfml_key <= sf::Keyboard::Num9)
    return static_cast<Key>(NUM_1 + (sfml_key - sf::Keyboard::Num1));
  if (sfml_key >= sf::Keyboard::F1 && sfml_key <= sf::Keyboard::F12)
    return static_cast<Key>(F1 + (sfml_key - sf::Keyboard::F1));
  for (const auto& [sfml, key] : NAMED)
    if (sfml == sfml_key) return key;
  return static_cast<Key>(sfml_key + UNNAMED_KEY_OFFSET);
}

}  // namespace Keyboard
}  // namespace vt
