// A first Vantle program: a ship crosses the window from left to right, and
// the game ends when it has left the world, or at once when Q is pressed.
#include "vantle.h"

class Ship : public vt::Object {
 public:
  Ship() {
    setType("Ship");
    setSolidness(vt::SPECTRAL);  // it runs into nothing
    vt::Sprite* p_sprite = vt::ResourceManager::getInstance().getSprite("ship");
    if (p_sprite) {
      setSprite(p_sprite);
      setTransparency('.');  // the sprite's dots let the background show
      setSpriteSlowdown(4);  // a new frame every fourth game frame
    }
    setPosition(vt::Vector(0, 12));
    setVelocity(vt::Vector(1, 0));  // one cell to the right each frame
    registerInterest(vt::KEYBOARD_EVENT);
  }

  int eventHandler(const vt::Event* p_e) override {
    // Out-of-world events come without registering for them.
    if (p_e->getType() == vt::OUT_EVENT) {
      vt::LogManager::getInstance().writeLog("Ship::eventHandler(): The ship has left the world.");
      vt::GameManager::getInstance().setGameOver();
      return 1;
    }
    if (p_e->getType() == vt::KEYBOARD_EVENT) {
      auto p_key = static_cast<const vt::EventKeyboard*>(p_e);
      if (p_key->getKey() == vt::Keyboard::Q && p_key->getKeyboardAction() == vt::KEY_PRESSED)
        vt::GameManager::getInstance().setGameOver();
      return 1;
    }
    return Object::eventHandler(p_e);
  }
};

int main() {
  vt::GameManager& game = vt::GameManager::getInstance();
  // startUp reads vt-config.txt, opens the log and the window; if it fails,
  // abandonStartUp shuts down and says why on standard error.
  if (game.startUp() != 0) return game.abandonStartUp("start");
  vt::ResourceManager::getInstance().loadSprite("sprites/ship.txt", "ship");

  // The world and the part of it shown: here both are the default window.
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setBoundary(vt::Box(vt::Vector(0, 0), 80, 24));
  world.setView(vt::Box(vt::Vector(0, 0), 80, 24));

  new Ship;    // enters the world, which deletes it at shut-down
  game.run();  // the game loop, until something sets game over
  game.shutDown();
  // 1 when a replayed run did not end as it was recorded (section 16).
  return game.exitStatus("start");
}
