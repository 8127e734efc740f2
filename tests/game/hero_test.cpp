// The hero in level 1, moved by held keys, ended by its time and its door.

#include "GameTestSupport.h"

using namespace game_test;
using sf::Keyboard;

namespace {

class HeroTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    buildLevel(currentLevel());
  }

  /// Holds keys for frames frames; the steps in which the hero moved.
  std::vector<int> hold(const Keys& keys, int frames) {
    std::vector<int> moved;
    for (int i = 0; i < frames; i++) {
      vt::Vector before = hero()->getPosition();
      frame(keys);
      if (hero()->getPosition() != before) moved.push_back(step() - 1);
    }
    return moved;
  }

  /// Puts the level's hero at a cell, ready to move.
  Hero* placeHero(int x, int y) {
    hero()->setPosition(cell(x, y));
    frame(), frame();  // a move waits two steps after the last
    return hero();
  }
};

int keyCollisions() {
  return vt_test::count(vt_test::logMessages(), "Key::eventHandler(): Collision detected");
}

bool playing(const char* sound) {
  return vt::ResourceManager::getInstance().getSound(sound)->getStatus() ==
         sf::SoundSource::Playing;
}

}  // namespace

// WASD moves like the arrows the play-through steers by; of two held keys
// only the first the input manager polls counts.
TEST_F(HeroTest, HeldKeysMoveItEveryOtherStepAndOnlyTheFirstPolledCounts) {
  EXPECT_EQ(hold({Keyboard::Left}, 9), (std::vector<int>{2, 4, 6, 8}));
  for (auto [key, dx, dy] : {std::tuple{Keyboard::A, -1, 0}, std::tuple{Keyboard::D, 1, 0},
                             std::tuple{Keyboard::W, 0, -1}, std::tuple{Keyboard::S, 0, 1}}) {
    vt::Vector to = hero()->getPosition() + cell(dx, dy);
    hold({key}, 2);
    EXPECT_EQ(hero()->getPosition(), to) << key;
  }
  EXPECT_EQ(hold({Keyboard::Right, Keyboard::Up}, 2).size(), 1u);
  EXPECT_EQ(hero()->getPosition(), cell(16, 4));
}

TEST_F(HeroTest, TheDoorOnlyBlocksWithoutTheKeyWhichCountsOnce) {
  Hero* p_hero = placeHero(5, 7);
  EXPECT_EQ(hold({Keyboard::S}, 8).size(), 1u);
  EXPECT_EQ(p_hero->getPosition(), cell(5, 8));
  EXPECT_FALSE(playing("door sound"));
  placeHero(5, 4);
  hold({Keyboard::Left}, 4);  // onto the key and on over where it was
  EXPECT_EQ(p_hero->getPosition(), cell(3, 4));
  EXPECT_EQ(p_hero->getKeysCollected(), 1);
  EXPECT_EQ(keyCollisions(), 1);
  EXPECT_EQ(display("Keys Remaining")->getValue(), 0);
  EXPECT_TRUE(playing("key sound"));
  EXPECT_EQ(currentLevel(), 1);
}

// The countdown drops in steps 0, 30, ...; it reaches zero in step 870,
// which rebuilds level 1 whatever level was being played. The old hero
// lingers until the next frame's deletion pass: the key held then must not
// move it into the new level's key.
TEST_F(HeroTest, TimeRunsOutAtStep870AndLevelOneIsRebuiltUntouched) {
  Hero* p_first = hero();
  currentLevel() = 4;
  vt::WorldManager::getInstance().markForDelete(ofType("Key")[0]);
  std::vector<int> shown;
  for (int s : {0, 29, 30, 867}) {
    while (step() <= s) frame();
    shown.push_back(display("Time Remaining:")->getValue());
  }
  EXPECT_EQ(shown, (std::vector<int>{29, 29, 28, 1}));
  placeHero(3, 6);  // in steps 868 and 869, below where the new key will lie
  EXPECT_EQ(p_first->getTimeLeft(), 1);
  frame();  // step 870
  EXPECT_EQ(currentLevel(), 1);
  frame({Keyboard::Up});
  EXPECT_NE(hero(), p_first);
  EXPECT_EQ(static_cast<int>(ofType().size()), levelObjects(1) + 1);  // and "Time's up!"
  EXPECT_EQ(display("Time Remaining:")->getValue(), 30);
  EXPECT_EQ(display("Keys Remaining")->getValue(), 1);
  EXPECT_EQ(keyCollisions(), 0);
}
