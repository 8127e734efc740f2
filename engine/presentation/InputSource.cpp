#include "presentation/InputSource.h"

#include "presentation/GraphicsManager.h"

namespace vt {

namespace {
sf::RenderWindow* window() { return GraphicsManager::getInstance().getWindow(); }
}  // namespace

InputSource::~InputSource() = default;

bool InputSource::hasWindow() const { return window() != nullptr; }

bool InputSource::pollEvent(sf::Event& event) {
  sf::RenderWindow* p_window = window();
  return p_window && p_window->pollEvent(event);
}

bool InputSource::isKeyPressed(sf::Keyboard::Key key) const {
  return sf::Keyboard::isKeyPressed(key);
}

bool InputSource::isButtonPressed(sf::Mouse::Button button) const {
  return sf::Mouse::isButtonPressed(button);
}

sf::Vector2i InputSource::getMousePosition() const {
  sf::RenderWindow* p_window = window();
  return p_window ? sf::Mouse::getPosition(*p_window) : sf::Vector2i();
}

}  // namespace vt
