#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "../presentation/InputTestSupport.h"
#include "RoutePlanner.h"

using namespace game_test;
using vt_test::contains;
using vt_test::logMessages;

namespace {

// Where each round ends: 1 to 5 lets the time run out in that level after
// winning the ones before it; 6 wins every maze and then leaves the final
// screen, whose 999 seconds are not waited out.
const int ROUNDS[] = {1, 2, 6, 3, 4, 5, 6};
const unsigned DEFAULT_SEED = 20240607;
const int FINAL_SCREEN_FRAMES = 300;
// Frames of the stretch played through GameManager::run, in level 3.
const int RUN_FRAMES = 60;
const int MAX_FRAMES = 100000;

// What a player may hold: the movement keys and two that do nothing. Never Q.
const sf::Keyboard::Key PLAYER_KEYS[] = {
    sf::Keyboard::Up, sf::Keyboard::Down, sf::Keyboard::Left, sf::Keyboard::Right,
    sf::Keyboard::W,  sf::Keyboard::A,    sf::Keyboard::S,    sf::Keyboard::D,
    sf::Keyboard::E,  sf::Keyboard::Space};

sf::Keyboard::Key toSFML(vt::Keyboard::Key arrow) {
  switch (arrow) {
    case vt::Keyboard::LEFT_ARROW:
      return sf::Keyboard::Left;
    case vt::Keyboard::RIGHT_ARROW:
      return sf::Keyboard::Right;
    case vt::Keyboard::DOWN_ARROW:
      return sf::Keyboard::Down;
    default:
      return sf::Keyboard::Up;
  }
}

// The level display and the countdown, the hero's keys display on levels
// with keys, and level 1's two help texts.
int viewObjects(int level) {
  int keys = static_cast<int>(levelPlan(level).keys.size());
  return 2 + (keys > 0 ? 1 : 0) + (level == 1 ? 2 : 0);
}

// What buildLevel makes: walls, keys, door, hero and displays.
int levelObjects(int level) {
  static int counted[LEVEL_COUNT + 1] = {};
  if (counted[level] == 0) {
    LevelPlan plan = levelPlan(level);
    counted[level] = static_cast<int>(levelWalls(level).size() + plan.keys.size()) +
                     (plan.has_door ? 1 : 0) + 1 + viewObjects(level);
  }
  return counted[level];
}

// Window input that asks the test what to hold at the start of each
// frame's polling, so the same player plays inside GameManager::run.
class Player : public input_test::ScriptedInput {
 public:
  std::function<void()> on_frame;

  bool pollEvent(sf::Event& event) override {
    if (!polling) {
      polling = true;
      on_frame();
    }
    bool got = ScriptedInput::pollEvent(event);
    // The input manager stops polling at a close event or an empty queue.
    polling = got && event.type != sf::Event::Closed;
    return got;
  }

 private:
  bool polling = false;
};

class SoakTest : public GameTest {
 protected:
  enum class Plan { WIN, WAIT, FINAL };

  void SetUp() override {
    GameTest::SetUp();
    const char* seed_text = std::getenv("VANTLE_SOAK_SEED");
    seed = seed_text ? static_cast<unsigned>(std::strtoul(seed_text, nullptr, 10)) : DEFAULT_SEED;
    rng.seed(seed);
    player.on_frame = [this] { play(); };
    vt::InputManager::getInstance().setInputSource(&player);
  }

  void TearDown() override {
    vt::InputManager::getInstance().setInputSource(nullptr);
    if (vt::GameManager::getInstance().isStarted())
      GameTest::TearDown();
    else
      InTempDir::TearDown();
  }

  static Hero* current() {
    return dynamic_cast<Hero*>(vt::WorldManager::getInstance().getViewFollowing());
  }

  /// One frame in the game loop's order, without drawing.
  void soakFrame() {
    vt::InputManager::getInstance().getInput();
    vt::PathManager::getInstance().cycle();
    vt::WorldManager::getInstance().update();
    checkWorld();
    vt::EventStep event(step++);
    vt::GameManager::getInstance().onEvent(&event);
    frames++;
  }

  /// After the deletion pass only the level's own objects are left, less
  /// the keys taken, and every interest entry is one of them.
  void checkWorld() {
    Hero* p_hero = current();
    ASSERT_NE(p_hero, nullptr) << "frame " << frames;
    int shown = currentLevel();
    vt::ObjectList all = vt::WorldManager::getInstance().getAllObjects(true);
    ASSERT_EQ(all.getCount(), levelObjects(shown) - p_hero->getKeysCollected())
        << "level " << shown << ", frame " << frames;
    vt::Manager* managers[] = {
        &vt::GameManager::getInstance(),     &vt::InputManager::getInstance(),
        &vt::WorldManager::getInstance(),    &vt::PathManager::getInstance(),
        &vt::ResourceManager::getInstance(), &vt::GraphicsManager::getInstance(),
        &vt::LogManager::getInstance()};
    int entries = 0;
    for (vt::Manager* p_manager : managers)
      for (int i = 0; i < p_manager->getInterestCount(); i++) {
        vt::ObjectList interested = p_manager->getInterested(i);
        for (vt::ObjectListIterator it(&interested); !it.isDone(); it.next(), entries++)
          ASSERT_TRUE(all.contains(it.currentObject()))
              << p_manager->getType() << " keeps a gone object for "
              << p_manager->getInterestType(i) << ", frame " << frames;
      }
    // The hero's step and keyboard, the countdown's step, each display's view.
    ASSERT_EQ(entries, 3 + viewObjects(shown)) << "level " << shown << ", frame " << frames;
  }

  /// The player's choice at the start of a frame's input.
  void play() {
    noteLevel();
    if (run_left == 0) {
      player.add(sf::Event::Closed);
      return;
    }
    if (run_left > 0) run_left--;
    if (plan == Plan::FINAL && --final_left <= 0) return leaveFinalScreen();
    if (plan == Plan::WIN && --stretch <= 0) {
      steering = !steering;
      stretch = steering ? 60 + static_cast<int>(rng() % 180) : 5 + static_cast<int>(rng() % 40);
      route.clear();
    }
    if (plan == Plan::WIN && steering)
      steer();
    else
      wander();
  }

  /// Counts a level the game rebuilt since the last frame.
  void noteLevel() {
    Hero* p_hero = current();
    if (!p_hero || p_hero->getId() == hero_id) return;
    if (currentLevel() > level) {
      doors_from[level]++;
    } else {
      timeouts_from[level]++;
      round++;
    }
    startLevel();
  }

  void startLevel() {
    hero_id = current()->getId();
    level = currentLevel();
    planner.reset();
    route.clear();
    push = false;
    steering = false;
    stretch = 0;
    final_left = FINAL_SCREEN_FRAMES;
    if (round >= std::size(ROUNDS)) return;
    int last = ROUNDS[round];
    plan = level == LEVEL_COUNT ? Plan::FINAL : level < last ? Plan::WIN : Plan::WAIT;
  }

  /// Back to level 1 as when the time runs out, without waiting for it.
  void leaveFinalScreen() {
    // Let go first: the old hero still takes this frame's keys.
    while (!player.keys.empty()) player.release(*player.keys.begin());
    currentLevel() = 1;
    clearLevel();
    buildLevel(1);
    resets++;
    round++;
    startLevel();
  }

  /// Now and then takes a key or lets one go.
  void wander() {
    if (rng() % 8 != 0) return;
    if (!player.keys.empty() && (player.keys.size() >= 2 || rng() % 2 == 0)) {
      auto it = player.keys.begin();
      std::advance(it, rng() % player.keys.size());
      player.release(*it);
      return;
    }
    sf::Keyboard::Key key = PLAYER_KEYS[rng() % std::size(PLAYER_KEYS)];
    if (!player.keys.count(key)) player.press(key);
  }

  void holdOnly(sf::Keyboard::Key key) {
    std::vector<sf::Keyboard::Key> others;
    for (sf::Keyboard::Key held : player.keys)
      if (held != key) others.push_back(held);
    for (sf::Keyboard::Key other : others) player.release(other);
    if (!player.keys.count(key)) player.press(key);
  }

  /// Walks the planned way towards the next key, or the door once the keys
  /// are taken, planning anew when the hero has left the way.
  void steer() {
    Hero* p_hero = current();
    if (!planner) planner = std::make_unique<Planner>(p_hero);
    vt::Vector at = p_hero->getPosition();
    if (next < route.size() && at == cell(route[next].x, route[next].y)) {
      anchor = at;
      next++;
    }
    if (at != anchor || (!push && next == route.size())) replan(at);
    if (push)
      holdOnly(toSFML(into));
    else if (next < route.size())
      holdOnly(toSFML(towards(at, route[next])));
    else
      wander();
  }

  void replan(vt::Vector at) {
    route.clear();
    next = 0;
    push = false;
    anchor = at;
    std::vector<vt::Object*> keys = ofType("Key");
    if (!keys.empty()) {
      route = planner->route([&](int x, int y) {
        for (vt::Object* p_key : keys)
          if (planner->touches(x, y, p_key)) return true;
        return false;
      });
      return;
    }
    std::vector<vt::Object*> doors = ofType("Door");
    if (doors.empty()) return;
    // The door is HARD: stand beside it and push.
    push =
        planner->nextTo(static_cast<int>(at.getX()), static_cast<int>(at.getY()), doors[0], into);
    if (!push)
      route = planner->route([&](int x, int y) { return planner->nextTo(x, y, doors[0], into); });
  }

  Player player;
  unsigned seed = DEFAULT_SEED;
  std::mt19937 rng;
  std::size_t round = 0;
  int level = 1;
  int hero_id = -1;
  Plan plan = Plan::WIN;
  bool steering = false;
  int stretch = 0;
  int final_left = 0;
  int run_left = -1;
  int frames = 0;
  int doors_from[LEVEL_COUNT + 1] = {};
  int timeouts_from[LEVEL_COUNT + 1] = {};
  int resets = 0;
  std::unique_ptr<Planner> planner;
  std::vector<Step> route;
  std::size_t next = 0;
  vt::Vector anchor;
  bool push = false;
  vt::Keyboard::Key into = vt::Keyboard::UP_ARROW;
};

}  // namespace

// Thousands of frames of held keys, random and steered, through level
// changes by door and by time-out: the world keeps exactly each level's
// objects, the interest tables only live ones, and nothing outlives the end.
TEST_F(SoakTest, RandomPlayThroughManyLevelsLeavesNothingBehind) {
  SCOPED_TRACE("seed " + std::to_string(seed) + " (set VANTLE_SOAK_SEED to change)");
  int first_id;
  {
    vt::Object probe;
    first_id = probe.getId() + 1;
  }
  unsigned long destroyed_before = vt::Object::getDestroyedCount();
  vt::GameManager& game = vt::GameManager::getInstance();

  buildLevel(currentLevel());
  startLevel();
  bool ran = false;
  while (round < std::size(ROUNDS) && frames < MAX_FRAMES && !HasFailure()) {
    if (ran || level != 3) {
      soakFrame();
      continue;
    }
    // A stretch through the real loop, which also draws (headless: refused).
    ran = true;
    run_left = RUN_FRAMES;
    game.run();
    run_left = -1;
    EXPECT_EQ(game.getStepCount(), RUN_FRAMES + 1);
    EXPECT_TRUE(contains(logMessages(), "GraphicsManager not started!"));
  }
  ASSERT_FALSE(HasFailure());
  EXPECT_LT(frames, MAX_FRAMES);
  EXPECT_TRUE(ran);
  for (int l = 1; l < LEVEL_COUNT; l++) EXPECT_GE(doors_from[l], 1) << "door of level " << l;
  int timeouts = 0;
  for (int n : timeouts_from) timeouts += n;
  EXPECT_GE(timeouts, 4);
  EXPECT_EQ(resets, 2);
  std::string tally = std::to_string(frames) + " frames; doors from levels 1-5:";
  for (int l = 1; l < LEVEL_COUNT; l++) tally += " " + std::to_string(doors_from[l]);
  tally += "; time-outs in levels 1-5:";
  for (int l = 1; l < LEVEL_COUNT; l++) tally += " " + std::to_string(timeouts_from[l]);
  std::printf("%s\n", tally.c_str());

  // The last level's walls were made last: every object up to the newest.
  int last_id = first_id;
  vt::ObjectList all = vt::WorldManager::getInstance().getAllObjects(true);
  for (vt::ObjectListIterator it(&all); !it.isDone(); it.next())
    last_id = std::max(last_id, it.currentObject()->getId());
  game.shutDown();
  EXPECT_EQ(vt::Object::getDestroyedCount() - destroyed_before,
            static_cast<unsigned long>(last_id - first_id + 1));
  EXPECT_TRUE(vt::WorldManager::getInstance().getAllObjects(true).isEmpty());
  for (vt::Manager* p_manager : {static_cast<vt::Manager*>(&game),
                                 static_cast<vt::Manager*>(&vt::InputManager::getInstance()),
                                 static_cast<vt::Manager*>(&vt::WorldManager::getInstance())})
    EXPECT_EQ(p_manager->getInterestCount(), 0) << p_manager->getType();
}
