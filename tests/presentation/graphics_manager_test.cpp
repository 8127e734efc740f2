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
  vt::GraphicsManager& graphics = vt::GraphicsManager::getInstance();
};

const char* const NO_WINDOW = "GraphicsLayer::startUp(): Unable to alloate window!";
}  // namespace

TEST_F(GraphicsManagerTest, NamedColoursConvertAndOthersGiveWhiteOrNoComponentsAtLevelFive) {
  const sf::Color expected[] = {sf::Color(0, 0, 0),     sf::Color(255, 0, 0),
                                sf::Color(0, 255, 0),   sf::Color(255, 255, 0),
                                sf::Color(0, 0, 255),   sf::Color(255, 0, 255),
                                sf::Color(0, 255, 255), sf::Color(255, 255, 255)};
  std::uint8_t r, g, b;
  for (int c = vt::BLACK; c <= vt::WHITE; c++) {
    EXPECT_EQ(vt::colorToSFML(static_cast<vt::Color>(c)), expected[c]) << c;
    vt::colorToRGB(static_cast<vt::Color>(c), r, g, b);
    EXPECT_EQ(sf::Color(r, g, b), expected[c]) << c;
  }
  vt::LogManager::getInstance().setLogLevel(5);
  vt::Color unknown = static_cast<vt::Color>(12);
  r = 1, g = 2, b = 3;
  EXPECT_EQ(vt::colorToSFML(vt::CUSTOM), sf::Color::White);
  EXPECT_EQ(vt::colorToSFML(unknown), sf::Color::White);
  vt::colorToRGB(vt::CUSTOM, r, g, b);
  vt::colorToRGB(unknown, r, g, b);
  EXPECT_EQ(sf::Color(r, g, b), sf::Color(1, 2, 3));
  vt::LogManager::getInstance().setLogLevel(4);
  vt::colorToSFML(unknown);
  vt::colorToRGB(unknown, r, g, b);
  EXPECT_EQ(readLines("vantle.log"),
            (std::vector<std::string>{"colorToSFML(): Color is CUSTOM.",
                                      "colorToSFML(): Color 12 not supported.",
                                      "colorToRGB(): Color 12 not supported."}));
}

TEST_F(GraphicsManagerTest, DrawingBeforeStartUpIsRefused) {
  EXPECT_EQ(graphics.drawCh(vt::Vector(1, 1), 'a', vt::RED), -1);
  EXPECT_EQ(graphics.drawString(vt::Vector(1, 1), "ab", vt::LEFT_JUSTIFIED, vt::RED), -1);
  EXPECT_EQ(graphics.drawFrame(vt::Vector(1, 1), vt::Frame(1, 1, "a"), false, vt::RED, 0), -1);
  EXPECT_EQ(graphics.swapBuffers(), -1);
  EXPECT_EQ(graphics.getWindow(), nullptr);
  EXPECT_EQ(count(readLines("vantle.log"), "GraphicsManager not started!"), 4);
}

TEST_F(GraphicsManagerTest, WithoutADisplayOrCellsStartUpFailsAndTheCellsFollowTheConfiguration) {
  vt::Config::getInstance().setWindowHorizontalChars(0);
  EXPECT_EQ(graphics.startUp(), -1);
  vt::Config::getInstance().reset();
  unsetenv("DISPLAY");
  EXPECT_EQ(graphics.startUp(), -1);
  setenv("DISPLAY", ":999", 1);  // no server there
  EXPECT_EQ(graphics.startUp(), -1);
  EXPECT_FALSE(graphics.isStarted());
  EXPECT_EQ(graphics.getWindow(), nullptr);
  EXPECT_EQ(count(readLines("vantle.log"), NO_WINDOW), 3);

  // The sizes were taken from the configuration all the same.
  EXPECT_FLOAT_EQ(vt::charWidth(), 12.8f);
  EXPECT_FLOAT_EQ(vt::charHeight(), 32.0f);
  EXPECT_EQ(vt::glyphSize(), 25u);
  vt::Vector pixels = vt::spacesToPixels(vt::Vector(10, 5));
  EXPECT_TRUE(pixels.getX() == 128 && pixels.getY() == 160);
  EXPECT_EQ(vt::pixelsToSpaces(vt::Vector(128, 160)), vt::Vector(10, 5));
  EXPECT_TRUE(contains(readLines("vantle.log"),
                       "pixelsToSpaces(): pixels (128.00,160.00) = spaces (10.00,5.00)"));
}

TEST_F(GraphicsManagerTest, TheGameWithoutADisplayLogsWhyAndEndsWithAFailure) {
  vt::LogManager::getInstance().shutDown();  // the program's log, not this one's
  int status = std::system("env -u DISPLAY " MAZE_PROGRAM " >stdout.txt 2>stderr.txt");
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(
      readLines("stderr.txt"),
      std::vector<std::string>{"maze: Error starting graphics manager! See the log 'vantle.log'."});
  std::vector<std::string> log = logMessages();
  EXPECT_TRUE(contains(log, NO_WINDOW));
  EXPECT_TRUE(contains(log, "Error starting graphics manager!"));
}
