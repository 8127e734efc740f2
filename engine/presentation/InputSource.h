// Where the input manager reads the window's input from. The built-in
// source reads the graphics manager's window and SFML's keyboard and mouse
// state; a program or test may hand the input manager a source of its own
// (InputManager::setInputSource), for example scripted events without any
// keyboard or display.
#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

namespace vt {

class InputSource {
 public:
  virtual ~InputSource();

  /// Whether there is a window to read; without one the input manager
  /// dispatches nothing.
  virtual bool hasWindow() const;

  /// Takes the next queued window event; false when the queue is empty.
  virtual bool pollEvent(sf::Event& event);

  /// Whether the key is down now.
  virtual bool isKeyPressed(sf::Keyboard::Key key) const;

  /// Whether the mouse button is down now.
  virtual bool isButtonPressed(sf::Mouse::Button button) const;

  /// The pointer's position in pixels from the window's top-left corner.
  virtual sf::Vector2i getMousePosition() const;
};

}  // namespace vt
