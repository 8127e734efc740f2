#include <gtest/gtest.h>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
class ColorTest : public InTempDir {};
}  // namespace

TEST_F(ColorTest, EachNamedColourConvertsToItsSFMLColourAndComponents) {
  const sf::Color expected[] = {sf::Color(0, 0, 0),     sf::Color(255, 0, 0),
                                sf::Color(0, 255, 0),   sf::Color(255, 255, 0),
                                sf::Color(0, 0, 255),   sf::Color(255, 0, 255),
                                sf::Color(0, 255, 255), sf::Color(255, 255, 255)};
  for (int c = vt::BLACK; c <= vt::WHITE; c++) {
    vt::Color color = static_cast<vt::Color>(c);
    EXPECT_EQ(vt::colorToSFML(color), expected[c]) << c;
    std::uint8_t r = 7, g = 7, b = 7;
    vt::colorToRGB(color, r, g, b);
    EXPECT_EQ(sf::Color(r, g, b), expected[c]) << c;
  }
}

TEST_F(ColorTest, CustomAndUnknownColoursGiveWhiteOrNoComponentsWithLevelFiveMessages) {
  startPlainLog();
  vt::LogManager::getInstance().setLogLevel(5);
  vt::Color unknown = static_cast<vt::Color>(12);
  EXPECT_EQ(vt::colorToSFML(vt::CUSTOM), sf::Color::White);
  EXPECT_EQ(vt::colorToSFML(unknown), sf::Color::White);
  std::uint8_t r = 1, g = 2, b = 3;
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
