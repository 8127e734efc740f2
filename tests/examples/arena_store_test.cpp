// Saving and loading the arena with files a careless hand made, and the A
// key's crowd: nothing loads unless the whole file is sound, and nothing
// in the arena is lost on the way.

#include "TestSupport.h"
#include "arena.h"

namespace {

class ArenaStoreTest : public vt_test::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    vt_test::writeFile("vt-config.txt", "headless:true,\nrandom_seed:7,\n");
    ASSERT_EQ(vt::GameManager::getInstance().startUp(), 0);
    setArenaSize();
    p_arena = new Arena;
  }
  void TearDown() override {
    vt::GameManager::getInstance().shutDown();
    InTempDir::TearDown();
  }

  // The walkers of the world, active or not, as their texts without ids.
  static std::vector<std::string> walkerTexts() {
    std::vector<std::string> texts;
    vt::ObjectList all = vt::WorldManager::getInstance().getAllObjects(true);
    for (vt::ObjectListIterator it(&all); !it.isDone(); it.next())
      if (it.currentObject()->getType() == "Walker")
        texts.push_back(withoutId(it.currentObject()->serialize(true)));
    return texts;
  }

  Arena* p_arena = nullptr;
};

}  // namespace

TEST_F(ArenaStoreTest, OnlyASoundFileWithAWalkerReplacesTheArena) {
  std::vector<std::string> before = walkerTexts();
  ASSERT_EQ(before.size(), 4u);
  const char* const unsound[] = {
      "type:Target,pos-x:10,pos-y:10,\n",
      "type:Walker,pos-x:10,pos-y:10,\ntype:Brick,pos-x:3,pos-y:4,\n",
      "type:Walker,pos-x:10,pos-y:10,box-corner-x:0,box-corner-y:0,box-horizontal:-1,"
      "box-vertical:1,\n",
      "type:Walker,pos-x:10,pos-y:10,box-corner-x:0,box-corner-y:0,box-horizontal:1,"
      "box-vertical:0,\n",
      "type:Walker,pos-x:-5,pos-y:-5,\n",
      "type:Walker,pos-x:1e30,pos-y:10,\n",
      "type:Walker,pos-x:10,pos-y:10,\ntype:Target,pos-x:79,pos-y:10,\n",
      "type:Walker,pos-x:10,pos-y:10,has_target:true,target-x:10,target-y:30,\n",
  };
  for (const char* text : unsound) {
    SCOPED_TRACE(text);
    vt_test::writeFile("arena.txt", text);
    EXPECT_EQ(loadArena("arena.txt"), -1);
    vt::WorldManager::getInstance().update();
    EXPECT_EQ(walkerTexts(), before);
  }
}

TEST_F(ArenaStoreTest, InactiveWalkersAreSavedAndLoadedAndACrowdFindsFreeFloor) {
  EXPECT_EQ(p_arena->addWalkers(WALKERS_ADDED), WALKERS_ADDED);
  vt::ObjectList all = vt::WorldManager::getInstance().getAllObjects();
  for (vt::ObjectListIterator it(&all); !it.isDone(); it.next())
    if (it.currentObject()->getType() == "Walker") {
      it.currentObject()->setActive(false);
      break;
    }
  std::vector<std::string> saved = walkerTexts();
  ASSERT_EQ(saved.size(), 4u + WALKERS_ADDED);
  std::set<std::pair<float, float>> cells;
  for (const std::string& text : saved) {
    float x = vt::readFloat(vt::match(text, "pos-x"));
    vt::Vector at(x, vt::readFloat(vt::match("", "pos-y")));
    EXPECT_TRUE(isFloor(at)) << text;
    cells.insert({at.getX(), at.getY()});
  }
  EXPECT_EQ(cells.size(), saved.size()) << "two walkers on one cell";
  ASSERT_EQ(saveArena("arena.txt"), static_cast<int>(saved.size()));
  ASSERT_EQ(loadArena("arena.txt"), static_cast<int>(saved.size()));
  vt::WorldManager::getInstance().update();
  std::vector<std::string> loaded = walkerTexts();
  std::sort(saved.begin(), saved.end());
  std::sort(loaded.begin(), loaded.end());
  EXPECT_EQ(loaded, saved);
}
