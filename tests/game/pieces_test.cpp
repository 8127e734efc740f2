#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameTestSupport.h"

using namespace game_test;
using vt_test::contains;
using vt_test::count;
using vt_test::logMessages;

namespace {

// Each wall kind's picture; a missing one is reported with "wall" added.
const char* const WALL_SPRITES[] = {
    "horizontal wall", "single horizontal wall", "vertical wall",      "single vertical wall",
    "top corner",      "bottom left corner",     "bottom right corner"};

std::string missingWall(int kind) {
  std::string name = WALL_SPRITES[kind];
  if (name.find("wall") == std::string::npos) name += " wall";
  return "Wall::Wall(): Warning! Sprite '" + name + "' not found";
}

class PiecesTest : public GameTest {};

// The game without its sprites/ and sounds/ folders.
class BareGameTest : public GameTest {
 protected:
  bool withAssets() const override { return false; }
};

}  // namespace

TEST_F(PiecesTest, PiecesTakeTheirPicturesAndKindsOutOfRangeHaveNone) {
  for (int kind = 0; kind < 7; kind++) {
    Wall* p_wall = new Wall(kind, cell(9, 9));
    EXPECT_EQ(p_wall->getSpriteName(), WALL_SPRITES[kind]);
    EXPECT_EQ(p_wall->getTransparency(), ' ');
    EXPECT_EQ(p_wall->getSolidness(), vt::HARD);
  }
  EXPECT_EQ((new Wall(7, cell(1, 1)))->getSprite(), nullptr);
  EXPECT_EQ((new Wall(-1, cell(1, 1)))->getSprite(), nullptr);
  EXPECT_EQ((new Door(2, cell(5, 5)))->getSpriteName(), "door");
  Key* p_key = new Key(cell(3, 3));
  EXPECT_EQ(p_key->getSpriteName(), "key");
  EXPECT_EQ(p_key->getTransparency(), ' ');
  for (const std::string& message : logMessages())
    EXPECT_EQ(message.find("Warning! Sprite"), std::string::npos) << message;
}

TEST_F(BareGameTest, WithoutItsFoldersTheGameWarnsAndStillRuns) {
  buildLevel(1);
  for (int kind = 0; kind < 7; kind++) new Wall(kind, cell(1, 1));
  std::vector<std::string> log = logMessages();
  for (const char* line :
       {"ResourceManager::loadSprite(): Cannot open file 'sprites/Door.txt'",
        "ResourceManager::loadSound(): Cannot load sound from file 'sounds/collect_coin.wav'",
        "Door::Door(): Warning! Sprite 'door' not found",
        "Key::Key(): Warning! Sprite 'key' not found",
        "Hero::Hero(): Warning! Sprite 'hero idle' not found"})
    EXPECT_TRUE(contains(log, line)) << line;
  for (int kind = 0; kind < 7; kind++) EXPECT_TRUE(contains(log, missingWall(kind))) << kind;
  // Level 1 has two top corners.
  EXPECT_EQ(count(log, missingWall(4)), 3);
  EXPECT_EQ(hero()->getSprite(), nullptr);

  // The loop runs, the hero walks with an object's default box and Q ends it.
  new QuitAt(40);
  for (int i = 0; i < 5; i++) frame({sf::Keyboard::Left});
  EXPECT_EQ(hero()->getPosition(), cell(18, 5));
  vt::GameManager& game = vt::GameManager::getInstance();
  game.run();
  EXPECT_TRUE(game.getGameOver());
  EXPECT_EQ(game.getStepCount(), 41);
}
