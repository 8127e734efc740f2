// Scripted input for the input manager, and an object that notes the
// keyboard and mouse events it receives.
#pragma once

#include "TestSupport.h"

namespace input_test {

/// Queued events, held keys and buttons and a pointer position set by the
/// test, for a window that is always there.
class ScriptedInput : public vt::InputSource {
 public:
  bool hasWindow() const override { return true; }
  bool pollEvent(vt::InputEvent& event) override {
    if (queue.empty()) return false;
    event = vt::toInputEvent(queue.front());
    queue.pop_front();
    return true;
  }
  bool isKeyPressed(int code) const override {
    return keys.count(static_cast<sf::Keyboard::Key>(code)) > 0;
  }
  bool isButtonPressed(int b) const override {
    return buttons.count(static_cast<sf::Mouse::Button>(b)) > 0;
  }
  vt::Pixel getMousePosition() const override { return {mouse.x, mouse.y}; }

  /// Queues an event of the type with the key, button and position given.
  void add(sf::Event::EventType type, int key_or_button = 0, int x = 0, int y = 0) {
    sf::Event event{};
    event.type = type;
    if (type == sf::Event::KeyPressed || type == sf::Event::KeyReleased)
      event.key.code = static_cast<sf::Keyboard::Key>(key_or_button);
    if (type == sf::Event::MouseButtonPressed)
      event.mouseButton = {static_cast<sf::Mouse::Button>(key_or_button), x, y};
    if (type == sf::Event::MouseMoved) event.mouseMove = {x, y};
    queue.push_back(event);
  }
  /// Queues the key's press or release and holds or lets go of it.
  void press(sf::Keyboard::Key key) { add(sf::Event::KeyPressed, key), keys.insert(key); }
  void release(sf::Keyboard::Key key) { add(sf::Event::KeyReleased, key), keys.erase(key); }

  std::deque<sf::Event> queue;
  std::set<sf::Keyboard::Key> keys;
  std::set<sf::Mouse::Button> buttons;
  sf::Vector2i mouse;
};

/// Notes every keyboard and mouse event as "<action> <key or button>", e.g.
/// "pressed 58" or "clicked 2".
class Recorder : public vt::Object {
 public:
  Recorder() {
    registerInterest(vt::KEYBOARD_EVENT);
    registerInterest(vt::MOUSE_EVENT);
  }

  int eventHandler(const vt::Event* p_e) override {
    static const char* const key_actions[] = {"pressed", "released", "down"};
    static const char* const mouse_actions[] = {"clicked", "held", "moved"};
    if (auto p_key = dynamic_cast<const vt::EventKeyboard*>(p_e)) {
      seen.push_back(std::string(key_actions[p_key->getKeyboardAction()]) + " " +
                     std::to_string(p_key->getKey()));
    } else if (auto p_mouse = dynamic_cast<const vt::EventMouse*>(p_e)) {
      seen.push_back(std::string(mouse_actions[p_mouse->getMouseAction()]) + " " +
                     std::to_string(p_mouse->getMouseButton()));
      positions.push_back(p_mouse->getMousePosition());
    }
    return 1;
  }

  std::vector<std::string> seen;
  std::vector<vt::Vector> positions;
};

}  // namespace input_test
