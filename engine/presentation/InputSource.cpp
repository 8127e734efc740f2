#include "presentation/InputSource.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include "presentation/GraphicsManager.h"
#include "presentation/XInputState.h"

namespace vt {

namespace {
sf::RenderWindow* window() { return GraphicsManager::getInstance().peekWindow(); }
}  // namespace

InputSource::InputSource() = default;

InputSource::~InputSource() = default;

bool InputSource::hasWindow() const { return window() != nullptr; }

void InputSource::refresh() {
  sf::RenderWindow* p_window = window();
  if (!p_window) return;
  if (!p_state) p_state = std::make_unique<XInputState>();
  p_state->read(p_window->getSystemHandle());
}

bool InputSource::pollEvent(sf::Event& event) {
  sf::RenderWindow* p_window = window();
  return p_window && p_window->pollEvent(event);
}

bool InputSource::isKeyPressed(sf::Keyboard::Key key) const {
  return p_state && p_state->isKeyDown(key);
}

bool InputSource::isButtonPressed(sf::Mouse::Button button) const {
  return p_state && p_state->isButtonDown(button);
}

sf::Vector2i InputSource::getMousePosition() const {
  return p_state ? p_state->getPointer() : sf::Vector2i();
}

}  // namespace vt
