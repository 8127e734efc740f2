#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameTestSupport.h"

using namespace game_test;
using vt_test::contains;
using vt_test::count;
using vt_test::logMessages;

namespace {

class PiecesTest : public GameTest {};

// The game without its sprites/ and sounds/ folders.
class BareGameTest : public GameTest {
 protected:
  bool withAssets() const override { return false; }
};

// Presses Q in a chosen step, as the input manager would deliver it.
class QuitAt : public vt::Object {
 public:
  explicit QuitAt(int init_step) : quit_step(init_step) {
    setSolidness(vt::SPECTRAL);
    registerInterest(vt::STEP_EVENT);
  }
  int eventHandler(const vt::Event* p_e) override {
    if (p_e->getType() != vt::STEP_EVENT) return 0;
    if (static_cast<const vt::EventStep*>(p_e)->getStepCount() == quit_step)
      press(vt::Keyboard::Q, vt::KEY_PRESSED);
    return 1;
  }
  int quit_step;
};

}  // namespace

TEST_F(PiecesTest, PiecesTakeTheirPicturesAndKindsOutOfRangeHaveNone) {
  const char* labels[] = {
      "horizontal wall", "single horizontal wall", "vertical wall",      "single vertical wall",
      "top corner",      "bottom left corner",     "bottom right corner"};
  for (int kind = 0; kind < 7; kind++) {
    Wall* p_wall = new Wall(kind, cell(9, 9));
    EXPECT_EQ(p_wall->getSpriteName(), labels[kind]);
    EXPECT_EQ(p_wall->getTransparency(), ' ');
    EXPECT_EQ(p_wall->getSolidness(), vt::HARD);
    EXPECT_EQ(p_wall->getType(), "Wall");
  }
  EXPECT_EQ((new Wall(7, cell(1, 1)))->getSprite(), nullptr);
  EXPECT_EQ((new Wall(-1, cell(1, 1)))->getSprite(), nullptr);
  EXPECT_EQ((new Door(2, cell(5, 5)))->getSpriteName(), "door");
  Key* p_key = new Key(cell(3, 3));
  EXPECT_EQ(p_key->getSpriteName(), "key");
  EXPECT_EQ(p_key->getTransparency(), ' ');
  EXPECT_EQ(p_key->getEventCount(), 0);
  for (const std::string& message : logMessages())
    EXPECT_EQ(message.find("Warning! Sprite"), std::string::npos) << message;
}

TEST_F(PiecesTest, AKeyLeavesOnAnyCollisionAndIgnoresOtherEvents) {
  Key* p_key = new Key(cell(3, 3));
  Wall* p_wall = new Wall(1, cell(9, 9));
  vt::EventStep step_event(0);
  EXPECT_EQ(p_key->eventHandler(&step_event), 0);
  vt::EventCollision hit(p_wall, p_key, cell(3, 3));
  EXPECT_EQ(p_key->eventHandler(&hit), 1);
  EXPECT_EQ(p_wall->eventHandler(&hit), 0);
  EXPECT_EQ(ofType("Key").size(), 1u);
  vt::WorldManager::getInstance().update();
  EXPECT_TRUE(ofType("Key").empty());
  EXPECT_EQ(count(logMessages(), "Key::eventHandler(): Collision detected"), 1);
}

TEST_F(PiecesTest, TheCountdownDropsAtEveryThirtiethStepFromStepZero) {
  Timer* p_timer = new Timer;
  EXPECT_EQ(p_timer->getLocation(), vt::TOP_RIGHT);
  EXPECT_EQ(p_timer->getViewString(), "Time Remaining:");
  EXPECT_EQ(p_timer->getColor(), vt::YELLOW);
  EXPECT_EQ(p_timer->getType(), "ViewObject");
  EXPECT_EQ(p_timer->getValue(), 0);
  p_timer->setValue(2);
  std::vector<int> values;
  for (int s = 0; s <= 61; s++) {
    vt::EventStep event(s);
    EXPECT_EQ(p_timer->eventHandler(&event), 1);
    if (s == 0 || s == 29 || s == 30 || s == 60 || s == 61) values.push_back(p_timer->getValue());
  }
  // Nothing stops it below zero: the hero rebuilds the level first.
  EXPECT_EQ(values, (std::vector<int>{1, 1, 0, -1, -1}));
  vt::EventKeyboard keyboard;
  vt::EventCollision collision;
  EXPECT_EQ(p_timer->eventHandler(&keyboard), 0);
  EXPECT_EQ(p_timer->eventHandler(&collision), 0);
  vt::EventView view("Time Remaining:", 5, false);
  EXPECT_EQ(p_timer->eventHandler(&view), 1);
  EXPECT_EQ(p_timer->getValue(), 5);
}

TEST_F(BareGameTest, WithoutItsFoldersTheGameWarnsAndStillRuns) {
  buildLevel(1);
  std::vector<std::string> log = logMessages();
  EXPECT_TRUE(contains(log, "ResourceManager::loadSprite(): Cannot open file 'sprites/Door.txt'"));
  EXPECT_TRUE(contains(
      log, "ResourceManager::loadSound(): Cannot load sound from file 'sounds/collect_coin.wav'"));
  for (const char* name : {"top corner wall", "single horizontal wall", "bottom left corner wall",
                           "bottom right corner wall", "single vertical wall"})
    EXPECT_TRUE(
        contains(log, std::string("Wall::Wall(): Warning! Sprite '") + name + "' not found"))
        << name;
  EXPECT_EQ(count(log, "Wall::Wall(): Warning! Sprite 'top corner wall' not found"), 2);
  EXPECT_FALSE(contains(log, "Wall::Wall(): Warning! Sprite 'top corner' not found"));
  EXPECT_TRUE(contains(log, "Door::Door(): Warning! Sprite 'door' not found"));
  EXPECT_TRUE(contains(log, "Key::Key(): Warning! Sprite 'key' not found"));
  EXPECT_TRUE(contains(log, "Hero::Hero(): Warning! Sprite 'hero idle' not found"));
  new Wall(0, cell(1, 1));
  new Wall(2, cell(1, 1));
  log = logMessages();
  EXPECT_TRUE(contains(log, "Wall::Wall(): Warning! Sprite 'horizontal wall' not found"));
  EXPECT_TRUE(contains(log, "Wall::Wall(): Warning! Sprite 'vertical wall' not found"));
  EXPECT_EQ(ofType("Wall").size(), 61u);
  EXPECT_EQ(hero()->getSprite(), nullptr);

  // The loop runs, the hero walks with an object's default box and Q ends it.
  new QuitAt(40);
  vt::GameManager& game = vt::GameManager::getInstance();
  Hero* p_hero = hero();
  for (int i = 0; i < 5; i++) frame({vt::Keyboard::LEFT_ARROW});
  EXPECT_EQ(p_hero->getPosition(), cell(18, 5));
  game.run();
  EXPECT_TRUE(game.getGameOver());
  EXPECT_EQ(game.getStepCount(), 41);
}
