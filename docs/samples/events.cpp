// Objects that react to the player and to one another: a hero steered with
// the arrow keys and put down anywhere with a click, coins it collects and
// rocks that stop it.
#include <cmath>

#include "vantle.h"

class Coin : public vt::Object {
 public:
  explicit Coin(vt::Vector where) {
    setType("Coin");
    setPosition(where);
    setSolidness(vt::SOFT);  // collides, but stops nothing
  }
};

class Rock : public vt::Object {
 public:
  explicit Rock(vt::Vector where) {
    setType("Rock");
    setPosition(where);  // HARD, as every new object: stops other HARD objects
  }
};

class Hero : public vt::Object {
 public:
  Hero() {
    setType("Hero");
    registerInterest(vt::KEYBOARD_EVENT);  // the input manager sends these
    registerInterest(vt::MOUSE_EVENT);
  }

  int getCoins() const { return coins; }

  int eventHandler(const vt::Event* p_e) override {
    if (p_e->getType() == vt::KEYBOARD_EVENT)
      return key(static_cast<const vt::EventKeyboard*>(p_e));
    if (p_e->getType() == vt::MOUSE_EVENT) return click(static_cast<const vt::EventMouse*>(p_e));
    if (p_e->getType() == vt::COLLISION_EVENT)
      return collide(static_cast<const vt::EventCollision*>(p_e));
    return Object::eventHandler(p_e);  // path events, among others
  }

 private:
  int key(const vt::EventKeyboard* p_e) {
    // KEY_PRESSED once as the key goes down; KEY_DOWN in every frame it is held.
    if (p_e->getKeyboardAction() != vt::KEY_PRESSED) return 0;
    vt::Vector step;
    switch (p_e->getKey()) {
      case vt::Keyboard::LEFT_ARROW:
        step = vt::Vector(-1, 0);
        break;
      case vt::Keyboard::RIGHT_ARROW:
        step = vt::Vector(1, 0);
        break;
      case vt::Keyboard::UP_ARROW:
        step = vt::Vector(0, -1);
        break;
      case vt::Keyboard::DOWN_ARROW:
        step = vt::Vector(0, 1);
        break;
      case vt::Keyboard::Q:
        vt::GameManager::getInstance().setGameOver();
        return 1;
      default:
        return 0;
    }
    // -1, and the hero stays, when a rock is in the way; both hear of the collision.
    vt::WorldManager::getInstance().moveObject(this, getPosition() + step);
    return 1;
  }

  int click(const vt::EventMouse* p_e) {
    if (p_e->getMouseAction() != vt::CLICKED || p_e->getMouseButton() != vt::Mouse::LEFT) return 0;
    // The pointer is in window cells; the view may show another part of the world.
    vt::Vector where = vt::viewToWorld(p_e->getMousePosition());
    vt::Vector cell(std::floor(where.getX()), std::floor(where.getY()));
    vt::WorldManager::getInstance().moveObject(this, cell);
    return 1;
  }

  int collide(const vt::EventCollision* p_e) {
    // Object 1 is the one that moved; this hero may be either.
    vt::Object* p_other = p_e->getObject1() == this ? p_e->getObject2() : p_e->getObject1();
    if (p_other->getType() != "Coin") return 0;
    coins++;
    vt::WorldManager::getInstance().markForDelete(p_other);  // gone after this update
    return 1;
  }

  int coins = 0;
};
