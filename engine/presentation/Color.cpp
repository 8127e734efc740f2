#include "presentation/Color.h"

#include "core/LogManager.h"

namespace vt {

sf::Color colorToSFML(Color color) {
  switch (color) {
    case BLACK:
      return sf::Color::Black;
    case RED:
      return sf::Color::Red;
    case GREEN:
      return sf::Color::Green;
    case YELLOW:
      return sf::Color::Yellow;
    case BLUE:
      return sf::Color::Blue;
    case MAGENTA:
      return sf::Color::Magenta;
    case CYAN:
      return sf::Color::Cyan;
    case WHITE:
      return sf::Color::White;
    case CUSTOM:
      LogManager::getInstance().writeLog(5, "colorToSFML(): Color is CUSTOM.");
      return sf::Color::White;
  }
  LogManager::getInstance().writeLog(5, "colorToSFML(): Color %d not supported.",
                                     static_cast<int>(color));
  return sf::Color::White;
}

void colorToRGB(Color color, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue) {
  int value = static_cast<int>(color);
  if (value == CUSTOM) return;
  if (value < BLACK || value > CUSTOM) {
    LogManager::getInstance().writeLog(5, "colorToRGB(): Color %d not supported.", value);
    return;
  }
  sf::Color c = colorToSFML(color);
  red = c.r;
  green = c.g;
  blue = c.b;
}

}  // namespace vt
