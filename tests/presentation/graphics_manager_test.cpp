// Colours, and the graphics manager without a window.

#include "TestSupport.h"

using namespace vt_test;

namespace {
class GraphicsManagerTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    startPlainLog();
  }
  vt::GraphicsManager& graphics = vt::GraphicsManager::getInstance();
};
}  // namespace

// CUSTOM and unknown colours draw white and leave components as they were,
// saying so at log level 5.
TEST_F(GraphicsManagerTest, NamedColoursConvertAndOthersGiveWhiteOrNoComponents) {
  const sf::Color expected[] = {sf::Color::Black,  sf::Color::Red,     sf::Color::Green,
                                sf::Color::Yellow, sf::Color::Blue,    sf::Color::Magenta,
                                sf::Color::Cyan,   sf::Color::White,   sf::Color::White,
                                sf::Color::White,  sf::Color(1, 2, 3), sf::Color(1, 2, 3)};
  std::uint8_t r = 1, g = 2, b = 3;
  vt::LogManager::getInstance().setLogLevel(5);
  for (int c = vt::BLACK; c <= vt::CUSTOM + 1; c++) {
    EXPECT_EQ(vt::colorToSFML(static_cast<vt::Color>(c)), expected[c]) << c;
    vt::colorToRGB(static_cast<vt::Color>(c), r, g, b);
    EXPECT_EQ(sf::Color(r, g, b), c <= vt::WHITE ? expected[c] : expected[c + 2]) << c;
    if (c == vt::WHITE) r = 1, g = 2, b = 3;
  }
  vt::LogManager::getInstance().setLogLevel(4);
  vt::colorToSFML(vt::CUSTOM);
  vt::colorToRGB(static_cast<vt::Color>(12), r, g, b);
  EXPECT_EQ(readLines("vantle.log"),
            (std::vector<std::string>{"colorToSFML(): Color is CUSTOM.",
                                      "colorToSFML(): Color 9 not supported.",
                                      "colorToRGB(): Color 9 not supported."}));
}

// The cell sizes are taken from the configuration all the same.
TEST_F(GraphicsManagerTest, WithoutADisplayOrCellsStartUpFailsAndTheCellsFollowTheConfiguration) {
  vt::LogManager::getInstance().setLogLevel(15);
  vt::Config::getInstance().setWindowHorizontalChars(0);
  EXPECT_EQ(graphics.startUp(), -1);
  vt::Config::getInstance().reset();
  unsetenv("DISPLAY");
  EXPECT_EQ(graphics.startUp(), -1);
  setenv("DISPLAY", ":999", 1);  // no server there
  EXPECT_EQ(graphics.startUp(), -1);
  EXPECT_FALSE(graphics.isStarted());
  EXPECT_EQ(graphics.getWindow(), nullptr);
  EXPECT_EQ(count(readLines("vantle.log"), "GraphicsLayer::startUp(): Unable to alloate window!"),
            3);
  EXPECT_FLOAT_EQ(vt::charWidth(), 12.8f);
  EXPECT_FLOAT_EQ(vt::charHeight(), 32.0f);
  EXPECT_EQ(vt::glyphSize(), 25u);
  EXPECT_EQ(vt::spacesToPixels(vt::Vector(10, 5)), vt::Vector(128, 160));
  EXPECT_EQ(vt::pixelsToSpaces(vt::Vector(128, 160)), vt::Vector(10, 5));
}
