#include "Hero.h"

#include "Door.h"
#include "Level.h"
#include "Play.h"
#include "Timer.h"
#include "core/EventCollision.h"
#include "core/EventKeyboard.h"
#include "core/EventStep.h"
#include "core/GameManager.h"
#include "core/LogManager.h"
#include "resources/ResourceManager.h"
#include "world/WorldManager.h"

namespace {

struct Binding {
  vt::Keyboard::Key key;
  int dx;
  int dy;
};

const Binding MOVES[] = {
    {vt::Keyboard::LEFT_ARROW, -1, 0}, {vt::Keyboard::A, -1, 0},
    {vt::Keyboard::RIGHT_ARROW, 1, 0}, {vt::Keyboard::D, 1, 0},
    {vt::Keyboard::UP_ARROW, 0, -1},   {vt::Keyboard::W, 0, -1},
    {vt::Keyboard::DOWN_ARROW, 0, 1},  {vt::Keyboard::S, 0, 1},
};

}  // namespace

Hero::Hero(int time_limit, int keys, vt::Vector position) {
  vt::Sprite* p_sprite = vt::ResourceManager::getInstance().getSprite("hero idle");
  if (!p_sprite) {
    vt::LogManager::getInstance().writeLog("Hero::Hero(): Warning! Sprite '%s' not found",
                                           "hero idle");
  } else {
    setSprite(p_sprite);
    setTransparency(' ');
  }
  registerInterest(vt::KEYBOARD_EVENT);
  registerInterest(vt::STEP_EVENT);
  setType("Hero");
  setPosition(position);
  vt::WorldManager::getInstance().setViewFollowing(this);
  move_interval = 2;
  move_wait = move_interval;
  keys_collected = 0;
  p_keys_view = nullptr;
  if (keys != 0) {
    p_keys_view = new vt::ViewObject;
    p_keys_view->setLocation(vt::TOP_CENTER);
    p_keys_view->setViewString("Keys Remaining");
    p_keys_view->setColor(vt::YELLOW);
    p_keys_view->setValue(keys);
  }
  time_left = time_limit;
  steps_played = 0;
  level_ended = false;
}

Hero::~Hero() {}

int Hero::eventHandler(const vt::Event* p_e) {
  std::string type = p_e->getType();
  if (type == vt::KEYBOARD_EVENT) {
    if (!level_ended) keyboard(static_cast<const vt::EventKeyboard*>(p_e));
    return 1;
  }
  if (type == vt::STEP_EVENT) {
    if (!level_ended) step(static_cast<const vt::EventStep*>(p_e));
    return 1;
  }
  if (type == vt::COLLISION_EVENT) {
    if (!level_ended) collide(static_cast<const vt::EventCollision*>(p_e));
    return 1;
  }
  return 0;
}

void Hero::keyboard(const vt::EventKeyboard* p_e) {
  vt::Keyboard::Key key = p_e->getKey();
  bool pressed = p_e->getKeyboardAction() == vt::KEY_PRESSED;
  if (key == vt::Keyboard::Q) {
    if (pressed) vt::GameManager::getInstance().setGameOver();
    return;
  }
  if (pressed && (key == vt::Keyboard::P || key == vt::Keyboard::ESCAPE)) return togglePause();
  if (pressed && key == vt::Keyboard::M) return toggleMute();
  if (pressed && key == vt::Keyboard::R) {
    level_ended = true;
    return restartLevel();
  }
  if (isPaused() || p_e->getKeyboardAction() != vt::KEY_DOWN) return;
  for (const Binding& binding : MOVES)
    if (binding.key == key) {
      moveBy(binding.dx, binding.dy);
      return;
    }
}

void Hero::moveBy(int dx, int dy) {
  if (move_wait > 0) return;
  move_wait = move_interval;
  vt::Vector here = getPosition();
  vt::WorldManager::getInstance().moveObject(
      this, vt::Vector(here.getX() + static_cast<float>(dx), here.getY() + static_cast<float>(dy)));
}

void Hero::step(const vt::EventStep* p_e) {
  if (pausedAt(p_e->getStepCount())) return;
  steps_played++;
  move_wait--;
  if (move_wait < 0) move_wait = 0;
  if (playStep(p_e->getStepCount()) % STEPS_PER_SECOND != 0) return;
  time_left--;
  if (time_left <= 0) {
    level_ended = true;
    timeUp();
  }
}

void Hero::collide(const vt::EventCollision* p_e) {
  vt::Object* p_obj1 = p_e->getObject1();
  vt::Object* p_obj2 = p_e->getObject2();
  if (p_obj1->getType() == "Key" || p_obj2->getType() == "Key") {
    keys_collected++;
    if (p_keys_view) p_keys_view->setValue(p_keys_view->getValue() - 1);
    playSound("key sound");
    return;
  }
  if (p_obj1->getType() != "Door" && p_obj2->getType() != "Door") return;
  const Door* p_door = dynamic_cast<const Door*>(p_obj1->getType() == "Door" ? p_obj1 : p_obj2);
  if (!p_door || keys_collected != p_door->getKeysRequired()) return;
  level_ended = true;
  // Every second begun counts, whenever the countdown happens to drop.
  winLevel((steps_played + STEPS_PER_SECOND - 1) / STEPS_PER_SECOND);
}

int Hero::getTimeLeft() const { return time_left; }
int Hero::getKeysCollected() const { return keys_collected; }
