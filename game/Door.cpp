#include "Door.h"

#include "core/LogManager.h"
#include "resources/ResourceManager.h"

Door::Door(int init_keys_required, vt::Vector position) {
  vt::Sprite* p_sprite = vt::ResourceManager::getInstance().getSprite("door");
  if (!p_sprite) {
    vt::LogManager::getInstance().writeLog("Door::Door(): Warning! Sprite '%s' not found", "door");
  } else {
    setSprite(p_sprite);
    setTransparency(' ');
  }
  setPosition(position);
  keys_required = init_keys_required;
  setType("Door");
}

int Door::getKeysRequired() const { return keys_required; }
