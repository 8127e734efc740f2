#include "Key.h"

#include "core/EventCollision.h"
#include "core/LogManager.h"
#include "resources/ResourceManager.h"
#include "world/WorldManager.h"

Key::Key(vt::Vector position) {
  vt::Sprite* p_sprite = vt::ResourceManager::getInstance().getSprite("key");
  if (!p_sprite) {
    vt::LogManager::getInstance().writeLog("Key::Key(): Warning! Sprite '%s' not found", "key");
  } else {
    setSprite(p_sprite);
    setTransparency(' ');
    setSpriteSlowdown(15);
  }
  setPosition(position);
  setType("Key");
  setSolidness(vt::SOFT);
}

int Key::eventHandler(const vt::Event* p_e) {
  if (p_e->getType() != vt::COLLISION_EVENT) return 0;
  vt::LogManager::getInstance().writeLog("Key::eventHandler(): Collision detected");
  vt::WorldManager::getInstance().markForDelete(this);
  return 1;
}
