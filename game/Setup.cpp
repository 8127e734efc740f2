#include "Setup.h"

#include "vantle.h"

namespace {

struct SpriteFile {
  const char* file;
  const char* label;
};

const SpriteFile SPRITES[] = {
    {"sprites/HeroSprite.txt", "hero idle"},
    {"sprites/KeySprite.txt", "key"},
    {"sprites/HeroMovingSprite.txt", "hero moving"},
    {"sprites/SingleTopWall.txt", "single horizontal wall"},
    {"sprites/TopWall.txt", "horizontal wall"},
    {"sprites/SingleSideWall.txt", "single vertical wall"},
    {"sprites/SideWall.txt", "vertical wall"},
    {"sprites/Door.txt", "door"},
    {"sprites/SingleTopLeftCornerWall.txt", "top corner"},
    {"sprites/SingleBottomLeftCornerWall.txt", "bottom left corner"},
    {"sprites/SingleBottomRightCornerWall.txt", "bottom right corner"},
};

}  // namespace

bool loadGameSprites() {
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  bool all = true;
  for (const SpriteFile& sprite : SPRITES)
    all = resources.loadSprite(sprite.file, sprite.label) == 0 && all;
  return all;
}

void loadGameResources() {
  loadGameSprites();
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  resources.loadSound("sounds/close_door_1.wav", "door sound");
  resources.loadSound("sounds/collect_coin.wav", "key sound");
  resources.loadMusic("sounds/enter_the_maze.wav", "music");
}

void setWorldSize() {
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setBoundary(vt::Box(vt::Vector(0, 0), WORLD_HORIZONTAL, WORLD_VERTICAL));
  world.setView(vt::Box(vt::Vector(0, 0), VIEW_HORIZONTAL, VIEW_VERTICAL));
  world.setViewPlacement(vt::Vector(VIEW_LEFT, VIEW_TOP));
  // 0.3 of the half height is three whole rows.
  world.setViewSlack(vt::Vector(1.0f / 3.0f, 0.3f));
}
