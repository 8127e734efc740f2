// Where the input manager reads the window's input from. The built-in
// source reads the graphics manager's window, and the keyboard and mouse
// state once per frame from the X server; a program or test may hand the
// input manager a source of its own (InputManager::setInputSource), for
// example scripted events without any keyboard or display.
#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <memory>

namespace vt {

class XInputState;

class InputSource {
 public:
  InputSource();
  virtual ~InputSource();
  InputSource(const InputSource&) = delete;
  InputSource& operator=(const InputSource&) = delete;

  /// Whether there is a window to read; without one the input manager
  /// dispatches nothing.
  virtual bool hasWindow() const;

  /// Takes the state of the keys, the buttons and the pointer that the
  /// calls below answer from; called once per frame before them.
  virtual void refresh();

  /// Takes the next queued window event; false when the queue is empty.
  virtual bool pollEvent(sf::Event& event);

  /// Whether the key was down at the last refresh.
  virtual bool isKeyPressed(sf::Keyboard::Key key) const;

  /// Whether the mouse button was down at the last refresh.
  virtual bool isButtonPressed(sf::Mouse::Button button) const;

  /// The pointer's position in pixels from the window's top-left corner at
  /// the last refresh.
  virtual sf::Vector2i getMousePosition() const;

 private:
  std::unique_ptr<XInputState> p_state;  // made at the first refresh with a window
};

}  // namespace vt
