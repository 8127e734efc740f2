#include <gtest/gtest.h>

#include <vector>

#include "GameTestSupport.h"

using namespace game_test;
namespace kb = vt::Keyboard;

namespace {

class HeroTest : public GameTest {
 protected:
  /// Holds keys for frames frames; the steps in which the hero moved.
  std::vector<int> hold(std::vector<kb::Key> keys, int frames) {
    std::vector<int> moved;
    for (int i = 0; i < frames; i++) {
      vt::Vector before = hero()->getPosition();
      int this_step = step;
      frame(keys);
      if (hero()->getPosition() != before) moved.push_back(this_step);
    }
    return moved;
  }

  /// Puts the level's hero at a cell, ready to move.
  Hero* placeHero(int x, int y) {
    Hero* p_hero = hero();
    p_hero->setPosition(cell(x, y));
    while (p_hero->getMoveWait() > 0) frame();
    return p_hero;
  }

  static sf::SoundSource::Status soundStatus(const char* label) {
    return vt::ResourceManager::getInstance().getSound(label)->getStatus();
  }
};

}  // namespace

TEST_F(HeroTest, AHeldKeyMovesEveryOtherStepFromStepTwo) {
  buildLevel(1);
  EXPECT_EQ(hold({kb::LEFT_ARROW}, 9), (std::vector<int>{2, 4, 6, 8}));
  EXPECT_EQ(hero()->getPosition(), cell(16, 5));
}

TEST_F(HeroTest, TwoHeldKeysMoveOnlyByTheFirstPolled) {
  buildLevel(1);
  EXPECT_EQ(hold({kb::RIGHT_ARROW, kb::UP_ARROW}, 5), (std::vector<int>{2, 4}));
  EXPECT_EQ(hero()->getPosition(), cell(20, 3));
  EXPECT_EQ(hold({kb::W, kb::D}, 4), (std::vector<int>{6, 8}));
  EXPECT_EQ(hero()->getPosition(), cell(22, 3));
}

TEST_F(HeroTest, OnlyPressingQEndsTheGameAndOnlyHeldKeysMove) {
  buildLevel(1);
  Hero* p_hero = placeHero(20, 5);
  vt::GameManager& game = vt::GameManager::getInstance();
  press(kb::Q, vt::KEY_DOWN);
  press(kb::Q, vt::KEY_RELEASED);
  press(kb::D, vt::KEY_PRESSED);
  press(kb::D, vt::KEY_RELEASED);
  EXPECT_FALSE(game.getGameOver());
  EXPECT_EQ(p_hero->getPosition(), cell(20, 5));
  press(kb::Q, vt::KEY_PRESSED);
  EXPECT_TRUE(game.getGameOver());
  vt::EventOut out;
  EXPECT_EQ(p_hero->eventHandler(&out), 0);
}

TEST_F(HeroTest, TimeRunsOutAtStep870AndLevelOneIsRebuilt) {
  buildLevel(1);
  Hero* p_first = hero();
  vt::ViewObject* p_timer = display("Time Remaining:");
  currentLevel() = 4;
  frame();
  EXPECT_EQ(p_first->getTimeLeft(), 29);
  EXPECT_EQ(p_timer->getValue(), 29);
  while (step < 30) frame();
  EXPECT_EQ(p_timer->getValue(), 29);
  frame();
  EXPECT_EQ(p_timer->getValue(), 28);
  while (step < 870) frame();
  EXPECT_EQ(p_first->getTimeLeft(), 1);
  EXPECT_EQ(p_timer->getValue(), 1);
  frame();  // step 870
  EXPECT_EQ(currentLevel(), 1);
  EXPECT_NE(hero(), p_first);
  frame();  // the old level is deleted
  EXPECT_EQ(ofType("Hero").size(), 1u);
  EXPECT_EQ(display("Time Remaining:")->getValue(), 30);
  EXPECT_EQ(ofType("Key").size(), 1u);
  EXPECT_EQ(ofType("Wall").size(), 59u);
}

TEST_F(HeroTest, AKeyIsCountedOnceAndLeavesAtTheDeletionPass) {
  buildLevel(1);
  Hero* p_hero = placeHero(5, 4);
  vt::Object* p_key = ofType("Key")[0];
  press(kb::LEFT_ARROW, vt::KEY_DOWN);
  EXPECT_EQ(p_hero->getPosition(), cell(4, 4));
  EXPECT_EQ(p_hero->getKeysCollected(), 1);
  EXPECT_EQ(display("Keys Remaining")->getValue(), 0);
  EXPECT_EQ(soundStatus("key sound"), sf::SoundSource::Playing);
  EXPECT_EQ(ofType("Key"), std::vector<vt::Object*>{p_key});
  vt::WorldManager::getInstance().update();
  EXPECT_TRUE(ofType("Key").empty());
  hold({kb::LEFT_ARROW}, 4);  // over where the key was
  EXPECT_EQ(p_hero->getPosition(), cell(3, 4));
  EXPECT_EQ(p_hero->getKeysCollected(), 1);
  EXPECT_EQ(vt_test::count(vt_test::logMessages(), "Key::eventHandler(): Collision detected"), 1);
}

TEST_F(HeroTest, TheDoorWithTooFewKeysOnlyBlocks) {
  buildLevel(1);
  Hero* p_hero = placeHero(5, 7);
  int start = step;
  EXPECT_EQ(hold({kb::S}, 8), std::vector<int>{start});
  EXPECT_EQ(p_hero->getPosition(), cell(5, 8));
  EXPECT_EQ(hero(), p_hero);
  EXPECT_EQ(currentLevel(), 1);
  EXPECT_EQ(ofType("Door").size(), 1u);
  EXPECT_EQ(soundStatus("door sound"), sf::SoundSource::Stopped);
}

TEST_F(HeroTest, LevelFivesDoorWithAllKeysLeadsToTheFinalScreen) {
  currentLevel() = 5;
  buildLevel(5);
  const int approaches[][3] = {{5, 96, kb::A}, {120, 3, kb::D}, {35, 96, kb::A}, {120, 96, kb::D}};
  for (auto [x, y, key] : approaches) {
    placeHero(x, y);
    hold({static_cast<kb::Key>(key)}, 2);
  }
  EXPECT_EQ(hero()->getKeysCollected(), 4);
  EXPECT_EQ(display("Keys Remaining")->getValue(), 0);
  placeHero(62, 2);
  hold({kb::W}, 2);
  EXPECT_EQ(currentLevel(), 6);
  EXPECT_EQ(soundStatus("door sound"), sf::SoundSource::Playing);
  EXPECT_TRUE(ofType("Key").empty());
  EXPECT_TRUE(ofType("Door").empty());
  EXPECT_EQ(display("Keys Remaining"), nullptr);
  EXPECT_EQ(display("Time Remaining:")->getValue(), 999);
  EXPECT_EQ(ofType("Wall").size(), 20u);
  EXPECT_EQ(hero()->getPosition(), cell(5, 5));
}

// After its time runs out the old hero lingers until the next deletion
// pass; the held key must not move it into the new level's key.
TEST_F(HeroTest, AnEndedHerosLastInputLeavesTheNewLevelAlone) {
  buildLevel(1);
  vt::WorldManager::getInstance().markForDelete(ofType("Key")[0]);
  while (step < 870) frame();
  placeHero(3, 6);
  frame();  // step 870: time is up
  ASSERT_EQ(hero()->getPosition(), cell(20, 5));
  frame({kb::UP_ARROW});
  EXPECT_EQ(ofType("Key").size(), 1u);
  EXPECT_EQ(display("Keys Remaining")->getValue(), 1);
  EXPECT_EQ(vt_test::count(vt_test::logMessages(), "Key::eventHandler(): Collision detected"), 0);
}
