// The game's levels as built, and the pieces they are built of.

#include "GameTestSupport.h"

using namespace game_test;

namespace {

// Where keys and hero stand is the play-through's concern. Level 7 does not
// exist: it gets only its level display and a countdown at 0.
const struct {
  int level, time_limit, walls, keys;
} LEVELS[] = {{1, 30, 59, 1},   {2, 60, 203, 1}, {3, 90, 419, 2}, {4, 120, 617, 3},
              {5, 150, 892, 4}, {6, 999, 20, 0}, {7, 0, 0, 0}};

const std::pair<const char*, vt::ViewObjectLocation> HELP[] = {
    {"WASD/arrows to move, Q to quit", vt::CENTER_RIGHT},
    {"Collect the keys and find the doors before time runs out!", vt::BOTTOM_CENTER}};

// Each wall kind's picture.
const char* const WALL_SPRITES[] = {
    "horizontal wall", "single horizontal wall", "vertical wall",      "single vertical wall",
    "top corner",      "bottom left corner",     "bottom right corner"};

using LevelTest = GameTest;

}  // namespace

TEST_F(LevelTest, EachLevelHasItsWallsKeysDoorHeroAndDisplays) {
  for (const auto& e : LEVELS) {
    SCOPED_TRACE("level " + std::to_string(e.level));
    clearLevel();
    clearLevel();  // marked twice, deleted once
    vt::WorldManager::getInstance().update();
    buildLevel(e.level);
    bool exists = e.level <= 6;
    EXPECT_EQ(ofType("Wall").size(), static_cast<size_t>(e.walls));
    EXPECT_EQ(ofType("Door").size(), e.level < 6 ? 1u : 0u);
    EXPECT_EQ(ofType("Key").size(), static_cast<size_t>(e.keys));
    ASSERT_EQ(ofType("Hero").size(), exists ? 1u : 0u);
    EXPECT_TRUE(!exists || (hero()->getTimeLeft() == e.time_limit &&
                            vt::WorldManager::getInstance().getViewFollowing() == hero()));
    EXPECT_EQ(display("Level")->getValue(), e.level);
    EXPECT_EQ(display("Time Remaining:")->getValue(), e.time_limit);
    vt::ViewObject* p_keys = display("Keys Remaining");
    EXPECT_EQ(p_keys ? p_keys->getValue() : 0, e.keys);
    for (auto [text, where] : HELP) {
      vt::ViewObject* p_help = display(text);
      ASSERT_EQ(p_help != nullptr, e.level == 1) << text;
      EXPECT_TRUE(!p_help || (p_help->getLocation() == where && p_help->getColor() == vt::GREEN &&
                              !p_help->getDrawValue()))
          << text;
    }
    EXPECT_EQ(static_cast<int>(ofType().size()), exists ? levelObjects(e.level) : 2);
  }
  // Building levels never touches the counter.
  EXPECT_EQ(currentLevel(), 1);
}

TEST_F(LevelTest, PiecesTakeTheirPicturesAndKindsOutOfRangeHaveNone) {
  for (int kind = 0; kind < 7; kind++) {
    Wall* p_wall = new Wall(kind, cell(9, 9));
    EXPECT_EQ(p_wall->getSpriteName(), WALL_SPRITES[kind]);
    EXPECT_EQ(p_wall->getTransparency(), ' ');
  }
  EXPECT_EQ((new Wall(7, cell(1, 1)))->getSprite(), nullptr);
  EXPECT_EQ((new Wall(-1, cell(1, 1)))->getSprite(), nullptr);
  EXPECT_EQ((new Door(2, cell(5, 5)))->getSpriteName(), "door");
  EXPECT_EQ((new Key(cell(3, 3)))->getSpriteName(), "key");
  for (const std::string& message : vt_test::logMessages())
    EXPECT_EQ(message.find("Warning! Sprite"), std::string::npos) << message;
}
