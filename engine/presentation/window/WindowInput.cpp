#include "presentation/window/WindowInput.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include "presentation/InputManager.h"
#include "presentation/window/SfmlConvert.h"
#if VANTLE_X11
#include "presentation/window/XInputState.h"
#else
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#endif

namespace vt {

WindowInput::WindowInput(const std::unique_ptr<sf::RenderWindow>* pp_new_window)
    : pp_window(pp_new_window) {}

WindowInput::~WindowInput() = default;

bool WindowInput::hasWindow() const { return *pp_window != nullptr; }

bool WindowInput::setKeyRepeat(bool on) {
  if (!*pp_window) return false;
  (*pp_window)->setKeyRepeatEnabled(on);
  return true;
}

void WindowInput::refresh() {
  if (!*pp_window) return;
#if VANTLE_X11
  if (!p_state) p_state = std::make_unique<XInputState>();
  p_state->read((*pp_window)->getSystemHandle());
#else
  sf::Vector2i position = sf::Mouse::getPosition(**pp_window);
  pointer = Pixel{position.x, position.y};
  for (int button = 0; button < KeyCode::MOUSE_BUTTON_COUNT; button++)
    buttons[button] = sf::Mouse::isButtonPressed(static_cast<sf::Mouse::Button>(button));
#endif
}

bool WindowInput::pollEvent(InputEvent& event) {
  sf::Event sfml_event;
  if (!*pp_window || !(*pp_window)->pollEvent(sfml_event)) return false;
  event = toInputEvent(sfml_event);
  return true;
}

#if VANTLE_X11
bool WindowInput::isKeyPressed(int code) const {
  return p_state && p_state->isKeyDown(static_cast<sf::Keyboard::Key>(code));
}

bool WindowInput::isButtonPressed(int button) const {
  return p_state && p_state->isButtonDown(static_cast<sf::Mouse::Button>(button));
}

Pixel WindowInput::getMousePosition() const {
  if (!p_state) return Pixel();
  sf::Vector2i pointer = p_state->getPointer();
  return Pixel{pointer.x, pointer.y};
}
#else
bool WindowInput::isKeyPressed(int code) const {
  return *pp_window && code >= 0 && code < sf::Keyboard::KeyCount &&
         sf::Keyboard::isKeyPressed(static_cast<sf::Keyboard::Key>(code));
}

bool WindowInput::isButtonPressed(int button) const {
  return button >= 0 && button < KeyCode::MOUSE_BUTTON_COUNT && buttons[button];
}

Pixel WindowInput::getMousePosition() const { return pointer; }
#endif

// Defined here, beside the window's events it takes.
EventKeyboard InputManager::toEventKeyboard(const sf::Event& key_event) const {
  return toEventKeyboard(key_event.key.code);
}

}  // namespace vt
