
#include "TestSupport.h"

using namespace vt_test;

using GameManagerWindowTest = InTempDir;

TEST_F(GameManagerWindowTest, WindowedStartUpSizesTheWorldToTheWindowInCharacters) {
  REQUIRE_DISPLAY();
  stageFont();
  writeFile("vt-config.txt", "window_horizontal_chars:60,window_vertical_chars:20,\n");
  vt::GameManager& game = vt::GameManager::getInstance();
  ASSERT_EQ(game.startUp(), 0);
  EXPECT_TRUE(vt::GraphicsManager::getInstance().isStarted());
  EXPECT_TRUE(vt::InputManager::getInstance().isStarted());
  vt::Box view = vt::WorldManager::getInstance().getView();
  EXPECT_EQ(view.getHorizontal(), 60);
  EXPECT_EQ(view.getVertical(), 20);
  game.shutDown();
}
