// The splash screen run headless, with the default 80 by 24 view.

#include "TestSupport.h"

using namespace vt_test;
using vt::Vector;

namespace {

class SplashTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    writeFile("vt-config.txt", "headless:true,\nframe_time:0,\n");
    ASSERT_EQ(game.startUp(), 0);
    world.setView(vt::Box(Vector(), 80, 24));
  }
  void TearDown() override {
    game.shutDown();
    InTempDir::TearDown();
  }
  vt::GameManager& game = vt::GameManager::getInstance();
  vt::WorldManager& world = vt::WorldManager::getInstance();
};

// Sees each frame before the splash objects do and notes where they are;
// presses a key in key_frame.
class Watcher : public vt::Object {
 public:
  Watcher() { registerInterest(vt::STEP_EVENT); }
  int eventHandler(const vt::Event* p_e) override {
    int frame = static_cast<const vt::EventStep*>(p_e)->getStepCount() + 1;
    vt::ObjectList all = vt::WorldManager::getInstance().getAllObjects();
    for (vt::ObjectListIterator it(&all); !it.isDone(); it.next())
      at[it.currentObject()->getType()][frame] = it.currentObject()->getPosition();
    if (frame == key_frame) {
      vt::EventKeyboard key;
      key.setKeyboardAction(vt::KEY_PRESSED);
      vt::InputManager::getInstance().onEvent(&key);
    }
    return 1;
  }
  std::map<std::string, std::map<int, Vector>> at;
  int key_frame = -1;
};

::testing::AssertionResult near(Vector v, float x, float y) {
  if (std::abs(v.getX() - x) < 1e-3 && std::abs(v.getY() - y) < 1e-3)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << v.getX() << ", " << v.getY() << ")";
}

}  // namespace

// The name slides in over 15 frames and rests; from frame 16 the emblem
// flies up from below the view, settles in frame 45 and steps aside in 61;
// after frame 90 both are marked for deletion, for the game's first frame.
TEST_F(SplashTest, RunsNinetyFramesAlongTheWorkedExampleOrUntilAKey) {
  vt::LogManager::getInstance().setLogLevel(10);
  vt::LogManager::getInstance().setFlush(true);
  Watcher* p_watcher = new Watcher;
  EXPECT_EQ(vt::splash(), 0);
  EXPECT_EQ(game.getStepCount(), 90);
  std::map<int, Vector>& name = p_watcher->at["Splash"];
  std::map<int, Vector>& emblem = p_watcher->at["SplashVantle"];
  EXPECT_TRUE(near(name[1], 103.5f - 4.2f, 12));
  EXPECT_TRUE(near(name[15], 40.5f, 12));
  EXPECT_EQ(emblem.begin()->first, 16);
  EXPECT_TRUE(near(emblem[16], 64.5f, 30 - 17.0f / 30));
  EXPECT_TRUE(near(emblem[45], 64.5f, 13));
  EXPECT_EQ(emblem[46].getY(), 13);  // settled on the row, not past it
  EXPECT_TRUE(near(emblem[61], 63.5f, 13));
  world.update();
  EXPECT_EQ(world.getAllObjects().getCount(), 1);  // the watcher
  std::vector<std::string> log = logMessages();
  EXPECT_TRUE(contains(log, "splash(): Started.") && contains(log, "splash(): Finished."));

  // Again: a key ends the loop after that frame, the name marked; what
  // comes after the splash comes after its last frame.
  p_watcher->key_frame = 10;
  int steps_after = -1;
  EXPECT_EQ(vt::splash([&] { steps_after = game.getStepCount(); }), 0);
  EXPECT_EQ(steps_after, 10);
  world.update();
  EXPECT_EQ(world.getAllObjects().getCount(), 1);
}
