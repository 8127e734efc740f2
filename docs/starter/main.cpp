// A game to start from: a rover that the arrow keys or W, A, S and D move
// while they are held, a display at the top that counts its moves, a horn
// on the space bar, and Q to quit.
#include "vantle.h"

namespace {

// The display's label, which is also the tag of the view events that
// change its value.
const std::string MOVES = "Moves";

// Frames between two steps while a key is held.
const int STEP_FRAMES = 3;

class Rover : public vt::Object {
 public:
  Rover() {
    setType("Rover");
    vt::Sprite* p_sprite = vt::ResourceManager::getInstance().getSprite("rover");
    if (p_sprite)
      setSprite(p_sprite);
    else
      vt::LogManager::getInstance().writeLog("Rover::Rover(): Warning! Sprite 'rover' not found");
    setSpriteSlowdown(10);
    setPosition(vt::Vector(40, 12));
    registerInterest(vt::KEYBOARD_EVENT);
    registerInterest(vt::STEP_EVENT);
  }

  int eventHandler(const vt::Event* p_e) override {
    if (p_e->getType() == vt::STEP_EVENT) {
      if (wait > 0) wait--;
      return 1;
    }
    if (p_e->getType() != vt::KEYBOARD_EVENT) return Object::eventHandler(p_e);
    auto p_key = static_cast<const vt::EventKeyboard*>(p_e);
    if (p_key->getKey() == vt::Keyboard::Q && p_key->getKeyboardAction() == vt::KEY_PRESSED)
      vt::GameManager::getInstance().setGameOver();
    if (p_key->getKey() == vt::Keyboard::SPACE && p_key->getKeyboardAction() == vt::KEY_PRESSED)
      honk();
    // KEY_DOWN comes in every frame for every key held down.
    if (p_key->getKeyboardAction() == vt::KEY_DOWN) step(p_key->getKey());
    return 1;
  }

  int getHonks() const { return honks; }

 private:
  void step(vt::Keyboard::Key key) {
    float dx = 0, dy = 0;
    if (key == vt::Keyboard::LEFT_ARROW || key == vt::Keyboard::A) dx = -1;
    if (key == vt::Keyboard::RIGHT_ARROW || key == vt::Keyboard::D) dx = 1;
    if (key == vt::Keyboard::UP_ARROW || key == vt::Keyboard::W) dy = -1;
    if (key == vt::Keyboard::DOWN_ARROW || key == vt::Keyboard::S) dy = 1;
    if (wait > 0 || (dx == 0 && dy == 0)) return;
    wait = STEP_FRAMES;
    vt::WorldManager& world = vt::WorldManager::getInstance();
    if (world.moveObject(this, getPosition() + vt::Vector(dx, dy)) != 0) return;
    vt::EventView count(MOVES, 1, true);  // adds 1 to the display's value
    world.onEvent(&count);
  }

  void honk() {
    // Null when sounds/horn.wav did not load: the rover honks silently.
    vt::Sound* p_horn = vt::ResourceManager::getInstance().getSound("horn");
    if (p_horn) p_horn->play();
    honks++;
  }

  int wait = 0;
  int honks = 0;
};

}  // namespace

int main() {
  vt::GameManager& game = vt::GameManager::getInstance();
  if (game.startUp() != 0) return game.abandonStartUp("starter");
  vt::LogManager::getInstance().setFlush(true);
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  resources.loadSprite("sprites/rover.txt", "rover");
  resources.loadSound("sounds/horn.wav", "horn");
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setBoundary(vt::Box(vt::Vector(0, 0), 80, 24));
  world.setView(vt::Box(vt::Vector(0, 0), 80, 24));

  auto* p_moves = new vt::ViewObject;  // the head-up display's counter
  p_moves->setViewString(MOVES);
  p_moves->setLocation(vt::TOP_LEFT);
  p_moves->setColor(vt::YELLOW);
  Rover* p_rover = new Rover;

  game.run();
  vt::LogManager::getInstance().writeLog("main(): The rover moved %d times and honked %d times.",
                                         p_moves->getValue(), p_rover->getHonks());
  game.shutDown();
  return game.exitStatus("starter");
}
