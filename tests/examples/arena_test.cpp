// The arena built in a headless engine, run one frame of the game loop at a
// time, with clicks and keys delivered as the input manager delivers them.
#include "arena.h"

#include "../game/GameTestSupport.h"

using namespace game_test;

namespace {

std::vector<Walker*> walkers() {
  std::vector<Walker*> found;
  for (vt::Object* p_o : ofType("Walker")) found.push_back(static_cast<Walker*>(p_o));
  return found;
}

int shown(const std::string& label) { return display(label)->getValue(); }

/// A left click in the middle of a window cell.
void click(vt::Vector window_cell) {
  vt::EventMouse event;
  event.setMouseAction(vt::CLICKED);
  event.setMouseButton(vt::Mouse::LEFT);
  event.setMousePosition(window_cell + vt::Vector(0.5f, 0.5f));
  vt::InputManager::getInstance().onEvent(&event);
}

class ArenaTest : public vt_test::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    // The default frame time gives the path searches their budget per frame;
    // nothing reads the log, where each object drawn headless adds a line.
    vt_test::writeFile("vt-config.txt", "headless:true,\nlogfile:/dev/null,\n");
    const char* stage = std::getenv("ARENA_STAGE_DIR");
    ASSERT_NE(stage, nullptr) << "ARENA_STAGE_DIR not set";
    std::filesystem::create_directory_symlink(std::string(stage) + "/sprites", "sprites");
    ASSERT_EQ(vt::GameManager::getInstance().startUp(), 0);
    loadArenaResources();
    setArenaSize();
    p_arena = new Arena;
  }

  void TearDown() override {
    vt::GameManager::getInstance().shutDown();
    InTempDir::TearDown();
  }

  static void frame() { vt::GameManager::getInstance().runFrame(); }

  /// Runs frames until no walker walks, at most limit; whether they stopped.
  /// A walker counts a path's node reached once its box covers it, so it may
  /// cut a wall's corner, but its centre never enters a wall cell's inner half.
  bool walkUntilStill(int limit = 3000) {
    for (int i = 0; i < limit; i++) {
      frame();
      bool walking = false;
      for (Walker* p_walker : walkers()) {
        vt::Vector at = p_walker->getPosition(), nearest = cellOf(at + vt::Vector(0.5f, 0.5f));
        bool inside = std::fabs(at.getX() - nearest.getX()) < 0.25f &&
                      std::fabs(at.getY() - nearest.getY()) < 0.25f;
        EXPECT_FALSE(inside && !isFloor(nearest))
            << "walker in the wall at " << nearest.getX() << ", " << nearest.getY();
        if (::testing::Test::HasFailure()) return false;
        walking = walking || p_walker->isWalking();
      }
      if (!walking) return true;
    }
    return false;
  }

  Arena* p_arena = nullptr;
};

/// Saved texts without their ids, sorted.
std::vector<std::string> withoutIds(std::vector<std::string> texts) {
  for (std::string& text : texts) text = withoutId(text);
  std::sort(texts.begin(), texts.end());
  return texts;
}

/// The walkers and targets as saved.
std::vector<std::string> savedTexts() {
  std::vector<std::string> texts;
  for (const char* type : {"Walker", "Target"})
    for (vt::Object* p_o : ofType(type)) texts.push_back(p_o->serialize(true));
  return withoutIds(texts);
}

bool arrivedAt(vt::Vector target) {
  for (Walker* p_walker : walkers())
    if (p_walker->hasArrived() && p_walker->getTarget() == target) return true;
  return false;
}

}  // namespace

TEST_F(ArenaTest, ClickedCellsDrawWalkersAroundTheWalls) {
  const vt::Vector goals[] = {cell(30, 8), cell(50, 10), cell(45, 20)};
  for (vt::Vector goal : goals) click(goal);
  click(cell(39, 15));  // a wall: nobody goes
  click(cell(5, 23));   // the help line
  EXPECT_EQ(shown(TARGETS_LABEL), 3);
  EXPECT_EQ(shown(WALKING_LABEL), 3);
  ASSERT_TRUE(walkUntilStill());
  for (vt::Vector goal : goals) EXPECT_TRUE(arrivedAt(goal)) << goal.getX() << ", " << goal.getY();
  EXPECT_EQ(shown(WALKING_LABEL), 0);
  EXPECT_EQ(shown(ARRIVED_LABEL), 3);
  for (vt::Object* p_o : ofType("Target")) EXPECT_TRUE(static_cast<Target*>(p_o)->isReached());

  // Sent on, a walker leaves its old target behind.
  click(cell(32, 8));
  frame();
  EXPECT_EQ(shown(TARGETS_LABEL), 3);
  EXPECT_EQ(shown(ARRIVED_LABEL), 2);
  ASSERT_TRUE(walkUntilStill());
  EXPECT_TRUE(arrivedAt(cell(32, 8)));
}

TEST_F(ArenaTest, ArenaSavedOnTheWayLoadsBackEqualAndWalksOn) {
  click(cell(30, 8));
  click(cell(60, 20));
  for (int i = 0; i < 40; i++) frame();
  ASSERT_EQ(shown(WALKING_LABEL), 2);
  std::vector<std::string> before = savedTexts();

  ASSERT_EQ(before.size(), 6u);  // four walkers, two targets
  press(vt::Keyboard::S, vt::KEY_PRESSED);
  EXPECT_EQ(withoutIds(vt_test::readLines(ARENA_FILE)), before);

  std::vector<Walker*> old_walkers = walkers();
  press(vt::Keyboard::L, vt::KEY_PRESSED);
  for (Walker* p_walker : walkers())
    EXPECT_EQ(std::count(old_walkers.begin(), old_walkers.end(), p_walker), 0);
  EXPECT_EQ(savedTexts(), before);
  EXPECT_NE(p_arena->getHelpLine()->getViewString().find("Loaded 6 objects"), std::string::npos);
  frame();
  EXPECT_EQ(walkers().size(), 4u);
  EXPECT_EQ(vt::WorldManager::getInstance().getAllObjects(true).getCount(),
            vt::WorldManager::getInstance().getAllObjects().getCount());  // the old ones are gone
  ASSERT_TRUE(walkUntilStill());
  EXPECT_TRUE(arrivedAt(cell(30, 8)));
  EXPECT_TRUE(arrivedAt(cell(60, 20)));
}

// A link planted where the temporary file once went is not followed.
TEST_F(ArenaTest, NothingToLoadOrNowhereToSaveLeavesTheFilesAsTheyWere) {
  vt_test::makeFifo("pipe.txt");
  for (const char* file : {"missing.txt", "pipe.txt"}) EXPECT_EQ(loadArena(file), -1) << file;
  EXPECT_EQ(saveArena("no-such-folder/arena.txt"), -1);
  std::filesystem::create_directory("folder.txt");
  EXPECT_EQ(saveArena("folder.txt"), -1);
  vt_test::writeFile("victim.txt", "an earlier save\n");
  std::filesystem::create_symlink("victim.txt", ARENA_FILE + ".new");
  EXPECT_EQ(saveArena(ARENA_FILE), 4);
  EXPECT_EQ(vt_test::readFile("victim.txt"), "an earlier save\n");
  int temporaries = 0;  // left behind, beside the planted link
  for (const auto& entry : std::filesystem::directory_iterator("."))
    temporaries += entry.path().filename().string().find(".txt.") != std::string::npos;
  EXPECT_EQ(temporaries, 1);
}
