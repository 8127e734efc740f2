#include <gtest/gtest.h>

#include <string>

#include "GameTestSupport.h"

using namespace game_test;
using vt_test::contains;

namespace {

// Each wall kind's picture and the name its warning gives when it is missing.
const char* const WALL_SPRITES[][2] = {{"horizontal wall", "horizontal wall"},
                                       {"single horizontal wall", "single horizontal wall"},
                                       {"vertical wall", "vertical wall"},
                                       {"single vertical wall", "single vertical wall"},
                                       {"top corner", "top corner wall"},
                                       {"bottom left corner", "bottom left corner wall"},
                                       {"bottom right corner", "bottom right corner wall"}};

using PiecesTest = GameTest;

// The game without its sprites/ and sounds/ folders.
class BarePiecesTest : public GameTest {
 protected:
  bool withAssets() const override { return false; }
};

}  // namespace

TEST_F(PiecesTest, PiecesTakeTheirPicturesAndKindsOutOfRangeHaveNone) {
  for (int kind = 0; kind < 7; kind++) {
    Wall* p_wall = new Wall(kind, cell(9, 9));
    EXPECT_EQ(p_wall->getSpriteName(), WALL_SPRITES[kind][0]);
    EXPECT_EQ(p_wall->getTransparency(), ' ');
  }
  EXPECT_EQ((new Wall(7, cell(1, 1)))->getSprite(), nullptr);
  EXPECT_EQ((new Wall(-1, cell(1, 1)))->getSprite(), nullptr);
  EXPECT_EQ((new Door(2, cell(5, 5)))->getSpriteName(), "door");
  EXPECT_EQ((new Key(cell(3, 3)))->getSpriteName(), "key");
  for (const std::string& message : vt_test::logMessages())
    EXPECT_EQ(message.find("Warning! Sprite"), std::string::npos) << message;
}

TEST_F(BarePiecesTest, EachPieceWithoutItsPictureSaysWhichIsMissing) {
  for (int kind = 0; kind < 7; kind++) new Wall(kind, cell(1, 1));
  new Door(1, cell(5, 5));
  new Key(cell(3, 3));
  std::vector<std::string> log = vt_test::logMessages();
  for (auto [label, name] : WALL_SPRITES)
    EXPECT_TRUE(
        contains(log, "Wall::Wall(): Warning! Sprite '" + std::string(name) + "' not found"))
        << label;
  EXPECT_TRUE(contains(log, "Door::Door(): Warning! Sprite 'door' not found"));
  EXPECT_TRUE(contains(log, "Key::Key(): Warning! Sprite 'key' not found"));
}
