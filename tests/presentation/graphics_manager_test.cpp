#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
class GraphicsManagerTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    startPlainLog();
    vt::LogManager::getInstance().setLogLevel(15);
  }
};

const char* const NO_WINDOW = "GraphicsLayer::startUp(): Unable to alloate window!";
}  // namespace

TEST_F(GraphicsManagerTest, DrawingBeforeStartUpIsRefused) {
  vt::GraphicsManager& graphics = vt::GraphicsManager::getInstance();
  EXPECT_EQ(graphics.drawCh(vt::Vector(1, 1), 'a', vt::RED), -1);
  EXPECT_EQ(graphics.drawString(vt::Vector(1, 1), "ab", vt::LEFT_JUSTIFIED, vt::RED), -1);
  EXPECT_EQ(graphics.drawFrame(vt::Vector(1, 1), vt::Frame(1, 1, "a"), false, vt::RED, 0), -1);
  EXPECT_EQ(graphics.swapBuffers(), -1);
  EXPECT_EQ(graphics.getWindow(), nullptr);
  EXPECT_EQ(count(readLines("vantle.log"), "GraphicsManager not started!"), 4);
}

TEST_F(GraphicsManagerTest, WithoutADisplayStartUpFailsAndTheCellGeometryFollowsTheConfiguration) {
  vt::GraphicsManager& graphics = vt::GraphicsManager::getInstance();
  unsetenv("DISPLAY");
  EXPECT_EQ(graphics.startUp(), -1);
  setenv("DISPLAY", ":999", 1);  // no server there
  EXPECT_EQ(graphics.startUp(), -1);
  EXPECT_FALSE(graphics.isStarted());
  EXPECT_EQ(graphics.getWindow(), nullptr);
  EXPECT_EQ(count(readLines("vantle.log"), NO_WINDOW), 2);

  // The sizes were taken from the default configuration all the same.
  EXPECT_FLOAT_EQ(vt::charWidth(), 12.8f);
  EXPECT_FLOAT_EQ(vt::charHeight(), 32.0f);
  EXPECT_EQ(vt::glyphSize(), 25u);
  vt::Vector pixels = vt::spacesToPixels(vt::Vector(10, 5));
  EXPECT_FLOAT_EQ(pixels.getX(), 128);
  EXPECT_FLOAT_EQ(pixels.getY(), 160);
  vt::Vector spaces = vt::pixelsToSpaces(vt::Vector(128, 160));
  EXPECT_FLOAT_EQ(spaces.getX(), 10);
  EXPECT_FLOAT_EQ(spaces.getY(), 5);
  EXPECT_TRUE(contains(readLines("vantle.log"),
                       "pixelsToSpaces(): pixels (128.00,160.00) = spaces (10.00,5.00)"));
}

TEST_F(GraphicsManagerTest, AWindowWithoutCellsIsNotOpened) {
  vt::Config::getInstance().setWindowHorizontalChars(0);
  EXPECT_EQ(vt::GraphicsManager::getInstance().startUp(), -1);
  EXPECT_TRUE(contains(readLines("vantle.log"), NO_WINDOW));
}

TEST_F(GraphicsManagerTest, TheGameWithoutADisplayLogsWhyAndEndsWithZero) {
  int status = std::system("env -u DISPLAY " MAZE_PROGRAM " >stdout.txt 2>stderr.txt");
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  std::vector<std::string> log = logMessages();
  EXPECT_TRUE(contains(log, NO_WINDOW));
  EXPECT_TRUE(contains(log, "Error starting graphics manager!"));
}
