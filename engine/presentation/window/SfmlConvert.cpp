#include "presentation/window/SfmlConvert.h"

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

namespace {
constexpr bool same(int code, int sfml_code) { return code == sfml_code; }
}  // namespace

// Key codes are SFML's own numbering.
static_assert(same(KeyCode::Z, sf::Keyboard::Z) && same(KeyCode::NUM_9, sf::Keyboard::Num9) &&
                  same(KeyCode::ESCAPE, sf::Keyboard::Escape) &&
                  same(KeyCode::SPACE, sf::Keyboard::Space) &&
                  same(KeyCode::LEFT, sf::Keyboard::Left) &&
                  same(KeyCode::NUMPAD_9, sf::Keyboard::Numpad9) &&
                  same(KeyCode::F15, sf::Keyboard::F15) &&
                  same(KeyCode::COUNT, sf::Keyboard::KeyCount) &&
                  same(KeyCode::MOUSE_BUTTON_COUNT, sf::Mouse::ButtonCount),
              "key codes differ from SFML's");

namespace Keyboard {

Key fromSFML(sf::Keyboard::Key sfml_key) { return fromCode(sfml_key); }

}  // namespace Keyboard

InputEvent toInputEvent(const sf::Event& event) {
  InputEvent converted;
  switch (event.type) {
    case sf::Event::Closed:
      converted.type = InputEvent::CLOSED;
      break;
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
      converted.type =
          event.type == sf::Event::KeyPressed ? InputEvent::KEY_PRESSED : InputEvent::KEY_RELEASED;
      converted.code = event.key.code;
      break;
    case sf::Event::MouseMoved:
      converted.type = InputEvent::MOUSE_MOVED;
      converted.position = {event.mouseMove.x, event.mouseMove.y};
      break;
    case sf::Event::MouseButtonPressed:
      converted.type = InputEvent::MOUSE_CLICKED;
      converted.code = event.mouseButton.button;
      converted.position = {event.mouseButton.x, event.mouseButton.y};
      break;
    case sf::Event::Resized:
      converted.type = InputEvent::RESIZED;
      converted.position = {static_cast<int>(event.size.width),
                            static_cast<int>(event.size.height)};
      break;
    default:
      break;
  }
  return converted;
}

}  // namespace vt
