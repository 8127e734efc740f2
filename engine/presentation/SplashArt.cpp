#include "presentation/SplashArt.h"

#include <string>
#include <vector>

namespace vt {

namespace {
// Each picture is listed row by row, every row as wide as the picture.
using Rows = std::vector<std::string>;

// clang-format off
const Rows NAME_SLIDING = {
    R"(                                               )",
    R"(                                               )",
    R"(__    __   ___    __   _   _____   _      ____ )",
    R"(\ \  / /  / _ \  |  \ | | |_   _| | |    | ___|)",
    R"( \ \/ /  | |_| | |   \| |   | |   | |    | _|  )",
    R"(  \  /   |  _  | | |\   |   | |   | |__  | |__ )",
    R"(   \/    |_| |_| |_| \__|   |_|   |____| |____|)",
    R"(                                               )",
};

// Ends short of the right edge: the emblem comes to rest there.
const Rows NAME_SETTLED = {
    R"(                                               )",
    R"(                                               )",
    R"(__    __                 _     _               )",
    R"(\ \  / / _____   _____  | |_  | |  ____        )",
    R"( \ \/ / / __  | |  _  \ |  _| | | / __ \       )",
    R"(  \  /  | |_| | | | | | | |_  | | | ___/       )",
    R"(   \/   \___/_| |_| |_|  \__| |_| \____|       )",
    R"(                                               )",
};

const Rows EMBLEM_WINGS_UP = {
    R"(|\       /|)",
    R"(\ \     / /)",
    R"( \_\___/_/ )",
    R"(   |\ /|   )",
    R"(   | V |   )",
    R"(    \_/    )",
    R"(           )",
};

const Rows EMBLEM_WINGS_DOWN = {
    R"(           )",
    R"(           )",
    R"(    ___    )",
    R"( __|\ /|__ )",
    R"(/  | V |  \)",
    R"(\/\/\_/\/\/)",
    R"(           )",
};

const Rows EMBLEM_REST = {
    R"(|\     /|)",
    R"(| \___/ |)",
    R"(| |\ /| |)",
    R"(| | V | |)",
    R"( \ \_/ / )",
    R"(  \___/  )",
};
// clang-format on

Frame frameOf(const Rows& rows, int width, int height) {
  std::string str;
  for (const std::string& row : rows) str += row;
  return Frame(width, height, str);
}

std::unique_ptr<Sprite> makeSprite(const char* label, Color color, int width, int height,
                                   const std::vector<const Rows*>& frames) {
  auto p_sprite = std::make_unique<Sprite>(static_cast<int>(frames.size()));
  p_sprite->setLabel(label);
  p_sprite->setColor(color);
  p_sprite->setWidth(width);
  p_sprite->setHeight(height);
  for (const Rows* p_rows : frames) p_sprite->addFrame(frameOf(*p_rows, width, height));
  return p_sprite;
}
}  // namespace

std::unique_ptr<Sprite> makeNameSprite() {
  return makeSprite("splash", GREEN, NAME_WIDTH, NAME_HEIGHT, {&NAME_SLIDING, &NAME_SETTLED});
}

std::unique_ptr<Sprite> makeEmblemSprite() {
  return makeSprite("splash emblem", BLUE, EMBLEM_WIDTH, EMBLEM_HEIGHT,
                    {&EMBLEM_WINGS_UP, &EMBLEM_WINGS_DOWN});
}

std::unique_ptr<Sprite> makeEmblemRestSprite() {
  return makeSprite("splash emblem at rest", GREEN, EMBLEM_REST_WIDTH, EMBLEM_REST_HEIGHT,
                    {&EMBLEM_REST});
}

}  // namespace vt
