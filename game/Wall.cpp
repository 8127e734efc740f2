#include "Wall.h"

#include "core/LogManager.h"
#include "resources/ResourceManager.h"

namespace {

struct WallPicture {
  const char* label;
  // The name the missing-sprite warning uses, which differs for the top corner.
  const char* warning_name;
};

const WallPicture WALL_PICTURES[] = {
    {"horizontal wall", "horizontal wall"},
    {"single horizontal wall", "single horizontal wall"},
    {"vertical wall", "vertical wall"},
    {"single vertical wall", "single vertical wall"},
    {"top corner", "top corner wall"},
    {"bottom left corner", "bottom left corner wall"},
    {"bottom right corner", "bottom right corner wall"},
};

const int WALL_PICTURE_COUNT = sizeof(WALL_PICTURES) / sizeof(WALL_PICTURES[0]);

}  // namespace

Wall::Wall(int init_kind, vt::Vector position) : kind(init_kind) {
  setPosition(position);
  setType("Wall");
  if (kind < 0 || kind >= WALL_PICTURE_COUNT) return;
  const WallPicture& picture = WALL_PICTURES[kind];
  vt::Sprite* p_sprite = vt::ResourceManager::getInstance().getSprite(picture.label);
  if (!p_sprite) {
    vt::LogManager::getInstance().writeLog("Wall::Wall(): Warning! Sprite '%s' not found",
                                           picture.warning_name);
    return;
  }
  setSprite(p_sprite);
  setTransparency(' ');
}

int Wall::getKind() const { return kind; }
