#include "Brick.h"

#include "Cell.h"
#include "resources/ResourceManager.h"

Brick::Brick(vt::Vector cell) {
  setType("Brick");
  setPosition(cell);
  if (vt::Sprite* p_sprite = vt::ResourceManager::getInstance().getSprite("brick"))
    setSprite(p_sprite);
  // After the sprite, which sizes the box to a whole cell.
  setBox(cellBox());
}
