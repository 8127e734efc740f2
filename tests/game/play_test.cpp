// The hero steered by held keys through whole games: once straight through
// every level, and for thousands of frames of planned and random play.

#include "GameTestSupport.h"
#include "core/InterestTable.h"

using namespace game_test;
using sf::Keyboard;

namespace {

vt::Vector spot(Cell c) { return cell(c.x, c.y); }

/// The arrow key that leads from one cell to the next.
Keyboard::Key towards(vt::Vector from, vt::Vector to) {
  if (to.getX() != from.getX()) return to.getX() > from.getX() ? Keyboard::Right : Keyboard::Left;
  return to.getY() > from.getY() ? Keyboard::Down : Keyboard::Up;
}

/// The arrow key of a step.
Keyboard::Key towards(Cell step) { return towards(cell(0, 0), spot(step)); }

/// The entries of every manager's interest tables.
int interestEntries() {
  int entries = 0;
  for (vt::Manager* p_manager : std::initializer_list<vt::Manager*>{
           &vt::GameManager::getInstance(), &vt::InputManager::getInstance(),
           &vt::WorldManager::getInstance(), &vt::PathManager::getInstance(),
           &vt::ResourceManager::getInstance(), &vt::GraphicsManager::getInstance(),
           &vt::LogManager::getInstance()})
    for (int i = 0; i < vt::interestCount(*p_manager); i++)
      entries += vt::interestedIn(*p_manager, i).getCount();
  return entries;
}

class PlayTest : public GameTest {
 protected:
  // Nothing reads the log, where each object drawn headless adds a line.
  std::string moreConfig() const override { return "logfile:/dev/null,\n"; }

  /// Walks the level's hero by held arrow keys over each key and then into
  /// the door. frames: those it took after a first one, which deletes the
  /// previous level.
  void winLevel(int& frames) {
    int level = currentLevel();
    frame();
    int first = step();
    Hero* p_hero = hero();
    RoutePlanner planner(p_hero);
    std::vector<Cell> walk;
    Cell push{0, -1};
    for (int goals = 0; currentLevel() == level; goals++) {
      ASSERT_LT(goals, 8) << "the door did not open";
      bool to_door = ofType("Key").empty();
      ASSERT_TRUE(planner.toGoal(walk, push)) << "no way on";
      Keyboard::Key into = towards(push);
      for (Cell next : walk)
        for (int tries = 0; p_hero->getPosition() != spot(next); tries++) {
          ASSERT_LT(tries, 3) << "stuck before cell " << next.x << ", " << next.y;
          frame({towards(p_hero->getPosition(), spot(next))});
        }
      for (int tries = 0; tries < 3 && to_door && currentLevel() == level; tries++) frame({into});
    }
    frames = step() - first;
  }
};

using PlayThroughTest = PlayTest;

// Where each round of the soak ends: 1 to 5 lets the time run out in that
// level after winning the ones before it; 6 wins every maze and leaves the
// final screen after a while instead of waiting out its 999 seconds.
const int ROUNDS[] = {1, 2, 6, 3, 4, 5, 6};
const int FINAL_SCREEN_FRAMES = 300;
// The rounds are played again until the soak has run this many frames.
const int SOAK_FRAMES = 100000;
// What a player may hold: the movement keys and two that do nothing. Never Q.
const Keyboard::Key PLAYER_KEYS[] = {Keyboard::Up, Keyboard::Down, Keyboard::Left, Keyboard::Right,
                                     Keyboard::W,  Keyboard::A,    Keyboard::S,    Keyboard::D,
                                     Keyboard::E,  Keyboard::Space};

class SoakTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    if (const char* text = std::getenv("VANTLE_SOAK_SEED"))
      seed = static_cast<unsigned>(std::strtoul(text, nullptr, 10));
    rng.seed(seed);
  }

  /// Only the level's own objects and passing messages are left, less the
  /// keys taken, and only they are in the interest tables; not checked while
  /// a level ended in the step event waits for the next frame's deletion
  /// pass (two heroes).
  void afterFrame() override {
    std::vector<vt::Object*> heroes = ofType("Hero");
    if (heroes.size() != 1) return;
    int shown = currentLevel(), keys = static_cast<Hero*>(heroes[0])->getKeysCollected();
    int messages = static_cast<int>(ofType("Message").size());
    if (!objects[shown]) objects[shown] = levelObjects(shown);
    std::string where = "level " + std::to_string(shown) + ", step " + std::to_string(step());
    ASSERT_EQ(vt::WorldManager::getInstance().getAllObjects(true).getCount(),
              objects[shown] - keys + messages)
        << where;
    // The hero's step and keyboard, the countdown's step, each display's
    // view, and each message's step and view.
    ASSERT_EQ(interestEntries(), 3 + levelViews(shown) + 2 * messages) << where;
  }

  /// Frames in which a key is now and then taken or let go of, until the
  /// time runs out (level 1 is built anew) or, with frames, that many.
  void wander(int frames = INT_MAX) {
    for (int id = hero()->getId(); frames-- > 0 && !HasFailure();) {
      if (rng() % 8 == 0) {
        if (!input.keys.empty() && (input.keys.size() >= 2 || rng() % 2 == 0))
          input.release(*std::next(input.keys.begin(), rng() % input.keys.size()));
        else if (Keyboard::Key key = PLAYER_KEYS[rng() % std::size(PLAYER_KEYS)];
                 !input.keys.count(key))
          input.press(key);
      }
      frame(Keys(input.keys));
      if (hero()->getId() != id && currentLevel() == 1) return timeouts++, void();
      id = hero()->getId();  // through a door by chance
    }
  }

  unsigned seed = 20240607;
  std::mt19937 rng;
  int timeouts = 0;
  int objects[LEVEL_COUNT + 1] = {};  // levelObjects, once worked out
};

}  // namespace

// Steered only by held keys, the hero collects every key of levels 1 to 5
// and reaches their doors before the time runs out, each in as many frames
// as ever, ending on the final screen.
TEST_F(PlayThroughTest, EveryLevelIsWonInItsNumberOfFrames) {
  const int FRAMES[] = {40, 299, 683, 1285, 1847};
  buildLevel(currentLevel());
  for (int level = 1; level <= 5; level++) {
    SCOPED_TRACE("level " + std::to_string(level));
    int frames = 0;
    ASSERT_NO_FATAL_FAILURE(winLevel(frames));
    ASSERT_EQ(currentLevel(), level + 1) << "the time ran out";
    EXPECT_EQ(frames, FRAMES[level - 1]);
  }
  EXPECT_EQ(vt::ResourceManager::getInstance().getSound("door sound")->getStatus(),
            sf::SoundSource::Playing);
}

// A hundred thousand frames of held keys through level changes by door and
// by time-out: the world keeps exactly each level's objects, the interest
// tables only live ones, and nothing outlives the end.
TEST_F(SoakTest, PlannedAndRandomPlayThroughManyLevelsLeavesNothingBehind) {
  SCOPED_TRACE("seed " + std::to_string(seed) + " (set VANTLE_SOAK_SEED to change)");
  buildLevel(currentLevel());
  int passes = 0;
  for (; step() < SOAK_FRAMES; passes++)
    for (int end : ROUNDS) {
      for (int frames = 0; currentLevel() < end;) ASSERT_NO_FATAL_FAILURE(winLevel(frames));
      if (end < LEVEL_COUNT) {
        wander();
        continue;
      }
      wander(FINAL_SCREEN_FRAMES);
      ASSERT_EQ(currentLevel(), LEVEL_COUNT);
      clearLevel();
      buildLevel(currentLevel() = 1);
    }
  ASSERT_FALSE(HasFailure());
  EXPECT_EQ(timeouts, 5 * passes);

  vt::GameManager::getInstance().shutDown();
  EXPECT_TRUE(vt::WorldManager::getInstance().getAllObjects(true).isEmpty());
  EXPECT_EQ(interestEntries(), 0);
}
