// The hero steered by held keys through whole games: once straight through
// every level, and for thousands of frames of random and steered play.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "GameTestSupport.h"
#include "core/InterestTable.h"
#include "world/ObjectRegistry.h"

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

// Where each round ends: 1 to 5 lets the time run out in that level after
// winning the ones before it; 6 wins every maze and then leaves the final
// screen, whose 999 seconds are not waited out.
const int ROUNDS[] = {1, 2, 6, 3, 4, 5, 6};
const int FINAL_SCREEN_FRAMES = 300;
const int RUN_FRAMES = 60;  // played through GameManager::run, in level 3
const int MAX_FRAMES = 100000;
// What a player may hold: the movement keys and two that do nothing. Never Q.
const Keyboard::Key PLAYER_KEYS[] = {Keyboard::Up, Keyboard::Down, Keyboard::Left, Keyboard::Right,
                                     Keyboard::W,  Keyboard::A,    Keyboard::S,    Keyboard::D,
                                     Keyboard::E,  Keyboard::Space};

class SoakTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    if (const char* text = std::getenv("VANTLE_SOAK_SEED"))
      seed = static_cast<unsigned>(std::strtoul(text, nullptr, 10));
    rng.seed(seed);
    vt::InputManager::getInstance().setInputSource(&player);
  }

  /// After the deletion pass only the level's own objects are left, less
  /// the keys taken, and every interest entry is one of them.
  void afterUpdate() override {
    if (!planner) planner = std::make_unique<RoutePlanner>(hero());
    int shown = currentLevel();
    std::string where = "level " + std::to_string(shown) + ", step " + std::to_string(step);
    vt::ObjectList all = vt::WorldManager::getInstance().getAllObjects(true);
    int messages = static_cast<int>(ofType("Message").size());
    ASSERT_EQ(all.getCount(), levelObjects(shown) - hero()->getKeysCollected() + messages) << where;
    int entries = 0;
    for (vt::Manager* p_manager : std::initializer_list<vt::Manager*>{
             &vt::GameManager::getInstance(), &vt::InputManager::getInstance(),
             &vt::WorldManager::getInstance(), &vt::PathManager::getInstance(),
             &vt::ResourceManager::getInstance(), &vt::GraphicsManager::getInstance(),
             &vt::LogManager::getInstance()})
      for (int i = 0; i < vt::interestCount(*p_manager); i++) {
        vt::ObjectList interested = vt::interestedIn(*p_manager, i);
        for (vt::ObjectListIterator it(&interested); !it.isDone(); it.next(), entries++)
          ASSERT_TRUE(all.contains(it.currentObject()))
              << p_manager->getType() << " keeps a gone object for "
              << vt::interestType(*p_manager, i) << ", " << where;
      }
    // The hero's step and keyboard, the countdown's step, each display's
    // view, each message's step and view.
    ASSERT_EQ(entries, 3 + levelViews(shown) + 2 * messages) << where;
  }

  /// The player's choice at the start of a frame's input: mostly steered
  /// towards the level's door, until the round's last level, where it
  /// waits for the time to run out.
  void play() {
    if (hero()->getId() != hero_id) newLevel();
    if (level == LEVEL_COUNT && --final_left <= 0) return leaveFinalScreen();
    if (round < std::size(ROUNDS) && level < ROUNDS[round] && rng() % 4 != 0)
      steer();
    else
      wander();
  }

  /// Counts how the game left the last level.
  void newLevel() {
    if (hero_id >= 0 && currentLevel() > level) doors_from[level]++;
    if (hero_id >= 0 && currentLevel() <= level) timeouts++, round++;
    hero_id = hero()->getId();
    level = currentLevel();
    planner.reset();  // made anew once the old level's walls are gone
    final_left = FINAL_SCREEN_FRAMES;
  }

  /// Back to level 1 as when the time runs out, without waiting for it.
  void leaveFinalScreen() {
    // Let go first: the old hero still takes this frame's keys.
    while (!player.keys.empty()) player.release(*player.keys.begin());
    clearLevel();
    buildLevel(currentLevel() = 1);
    resets++;
    round++;
    hero_id = -1;
  }

  /// Now and then takes a key or lets one go.
  void wander() {
    if (rng() % 8 != 0) return;
    if (!player.keys.empty() && (player.keys.size() >= 2 || rng() % 2 == 0))
      return player.release(*std::next(player.keys.begin(), rng() % player.keys.size()));
    Keyboard::Key key = PLAYER_KEYS[rng() % std::size(PLAYER_KEYS)];
    if (!player.keys.count(key)) player.press(key);
  }

  /// Holds the key of the next step of the way, planned anew at its end or
  /// when the hero has left it.
  void steer() {
    vt::Vector at = hero()->getPosition();
    if (!walk.empty() && at == spot(walk.front())) walk.erase(walk.begin()), planned_at = at;
    if (planner && (at != planned_at || walk.empty())) {
      planned_at = at;
      if (!planner->toGoal(walk, push)) planner.reset();
      into = towards(push);
    }
    if (!planner) return wander();
    Keyboard::Key key = walk.empty() ? into : towards(at, spot(walk[0]));
    for (Keyboard::Key held : Keys(player.keys))
      if (held != key) player.release(held);
    if (!player.keys.count(key)) player.press(key);
  }

  input_test::ScriptedInput player;
  unsigned seed = 20240607;
  std::mt19937 rng;
  std::size_t round = 0;
  int level = 1, hero_id = -1, final_left = 0, resets = 0, timeouts = 0;
  int doors_from[LEVEL_COUNT + 1] = {};
  std::unique_ptr<RoutePlanner> planner;
  std::vector<Cell> walk;
  vt::Vector planned_at;
  Cell push{0, -1};
  Keyboard::Key into = Keyboard::Up;
};

class PlayThroughTest : public GameTest {};

}  // namespace

// Steered only by held keys, the hero collects every key of levels 1 to 5
// and reaches their doors before the time runs out, ending on the final screen.
TEST_F(PlayThroughTest, EveryLevelCanBeWonInTime) {
  buildLevel(currentLevel());
  for (int level = 1; level <= 5; level++) {
    SCOPED_TRACE("level " + std::to_string(level));
    frame();  // the previous level's objects go
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
    ASSERT_EQ(currentLevel(), level + 1) << "the time ran out";
  }
}

// Thousands of frames of held keys through level changes by door and by
// time-out: the world keeps exactly each level's objects, the interest
// tables only live ones, and nothing outlives the end.
TEST_F(SoakTest, RandomPlayThroughManyLevelsLeavesNothingBehind) {
  SCOPED_TRACE("seed " + std::to_string(seed) + " (set VANTLE_SOAK_SEED to change)");
  int first_id;
  {
    vt::Object probe;
    first_id = probe.getId() + 1;
  }
  unsigned long destroyed_before = vt::destroyedObjectCount();
  vt::GameManager& game = vt::GameManager::getInstance();
  buildLevel(currentLevel());
  bool ran = false;
  while (round < std::size(ROUNDS) && step < MAX_FRAMES && !HasFailure()) {
    play();
    frame();
    if (ran || level != 3) continue;
    // A stretch through the real loop, which also draws (headless: refused),
    // with the keys held now, until Q.
    ran = true;
    vt::Object* p_quit = new QuitAt(RUN_FRAMES);
    game.run();
    vt::WorldManager::getInstance().markForDelete(p_quit);
    EXPECT_EQ(game.getStepCount(), RUN_FRAMES + 1);
    EXPECT_TRUE(vt_test::contains(vt_test::logMessages(), "GraphicsManager not started!"));
  }
  ASSERT_FALSE(HasFailure());
  EXPECT_LT(step, MAX_FRAMES);
  EXPECT_TRUE(ran);
  for (int l = 1; l < LEVEL_COUNT; l++) EXPECT_GE(doors_from[l], 1) << "door of level " << l;
  EXPECT_GE(timeouts, 4);
  EXPECT_EQ(resets, 2);

  // The last level's walls were made last: every object up to the newest.
  int last_id = first_id;
  vt::ObjectList all = vt::WorldManager::getInstance().getAllObjects(true);
  for (vt::ObjectListIterator it(&all); !it.isDone(); it.next())
    last_id = std::max(last_id, it.currentObject()->getId());
  game.shutDown();
  EXPECT_EQ(vt::destroyedObjectCount() - destroyed_before,
            static_cast<unsigned long>(last_id - first_id + 1));
  EXPECT_TRUE(vt::WorldManager::getInstance().getAllObjects(true).isEmpty());
  for (vt::Manager* p_manager : std::initializer_list<vt::Manager*>{
           &game, &vt::InputManager::getInstance(), &vt::WorldManager::getInstance()})
    EXPECT_EQ(vt::interestCount(*p_manager), 0) << p_manager->getType();
}
