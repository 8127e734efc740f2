#include "Setup.h"

#include "vantle.h"

void loadGameResources() {
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  resources.loadSprite("sprites/HeroSprite.txt", "hero idle");
  resources.loadSprite("sprites/KeySprite.txt", "key");
  resources.loadSprite("sprites/HeroMovingSprite.txt", "hero moving");
  resources.loadSprite("sprites/SingleTopWall.txt", "single horizontal wall");
  resources.loadSprite("sprites/TopWall.txt", "horizontal wall");
  resources.loadSprite("sprites/SingleSideWall.txt", "single vertical wall");
  resources.loadSprite("sprites/SideWall.txt", "vertical wall");
  resources.loadSprite("sprites/Door.txt", "door");
  resources.loadSprite("sprites/SingleTopLeftCornerWall.txt", "top corner");
  resources.loadSprite("sprites/SingleBottomLeftCornerWall.txt", "bottom left corner");
  resources.loadSprite("sprites/SingleBottomRightCornerWall.txt", "bottom right corner");
  resources.loadSound("sounds/close_door_1.wav", "door sound");
  resources.loadSound("sounds/collect_coin.wav", "key sound");
  resources.loadMusic("sounds/enter_the_maze.wav", "music");
}

void setWorldSize() {
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setBoundary(vt::Box(vt::Vector(0, 0), WORLD_HORIZONTAL, WORLD_VERTICAL));
  world.setView(vt::Box(vt::Vector(0, 0), VIEW_HORIZONTAL, VIEW_VERTICAL));
}
