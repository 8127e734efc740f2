#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <set>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
// Default configuration: 1024 x 768 pixels, 80 x 24 cells of 12.8 x 32 pixels.
// The window is cleared to green before each picture, the cells' background
// is blue, so every drawn cell shows a blue rectangle.
class GraphicsWindowTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    REQUIRE_DISPLAY();
    stageFont();
    startPlainLog();
    vt::Config::getInstance().setWindowBackgroundColor(vt::BLUE);
    ASSERT_EQ(graphics.startUp(), 0);
    graphics.getWindow()->clear(sf::Color::Green);
  }
  void TearDown() override {
    graphics.shutDown();
    InTempDir::TearDown();
  }

  // What was drawn so far, read before the picture is shown.
  sf::Image capture() {
    sf::RenderWindow& window = *graphics.getWindow();
    sf::Texture texture;
    EXPECT_TRUE(texture.create(window.getSize().x, window.getSize().y));
    texture.update(window);
    return texture.copyToImage();
  }

  // Whether the background rectangle of a cell was drawn: probed near both
  // of its sides below the glyph, where only the rectangle reaches.
  static bool cellDrawn(const sf::Image& image, int column, int row) {
    unsigned y = static_cast<unsigned>(row * 32 + 36);
    return image.getPixel(static_cast<unsigned>(column * 12.8), y) == sf::Color::Blue &&
           image.getPixel(static_cast<unsigned>(column * 12.8 + 11), y) == sf::Color::Blue;
  }

  // The drawn cells of a row among its first 20 columns.
  static std::set<int> drawnColumns(const sf::Image& image, int row) {
    std::set<int> columns;
    for (int column = 0; column < 20; column++)
      if (cellDrawn(image, column, row)) columns.insert(column);
    return columns;
  }

  // Pixels of exactly color within the pixel rectangle [x0, x1) x [y0, y1).
  static int countPixels(const sf::Image& image, sf::Color color, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; y++)
      for (int x = x0; x < x1; x++)
        if (image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) == color) n++;
    return n;
  }

  vt::GraphicsManager& graphics = vt::GraphicsManager::getInstance();
};
}  // namespace

TEST_F(GraphicsWindowTest, ACharacterLandsInItsViewCellOnAShiftedBackground) {
  // Cell (10, 5) of the view: glyph origin (128, 160), background from
  // (126.72, 166.4) to (139.52, 198.4).
  vt::WorldManager::getInstance().setView(vt::Box(vt::Vector(5, 2), 80, 24));
  ASSERT_EQ(graphics.drawCh(vt::Vector(15, 7), 'X', vt::RED), 0);
  sf::Image image = capture();

  EXPECT_GT(countPixels(image, sf::Color::Red, 128, 160, 146, 198), 20);
  EXPECT_EQ(countPixels(image, sf::Color::Red, 0, 0, 1024, 768),
            countPixels(image, sf::Color::Red, 128, 160, 146, 198));
  EXPECT_EQ(image.getPixel(127, 167), sf::Color::Blue);
  EXPECT_EQ(image.getPixel(127, 197), sf::Color::Blue);
  EXPECT_EQ(image.getPixel(139, 197), sf::Color::Blue);
  EXPECT_EQ(image.getPixel(126, 180), sf::Color::Green);
  EXPECT_EQ(image.getPixel(127, 165), sf::Color::Green);
  EXPECT_EQ(image.getPixel(127, 199), sf::Color::Green);
  EXPECT_EQ(image.getPixel(140, 197), sf::Color::Green);
}

TEST_F(GraphicsWindowTest, ASpaceBlanksItsCell) {
  graphics.drawCh(vt::Vector(10, 5), 'X', vt::RED);
  graphics.drawCh(vt::Vector(10, 5), ' ', vt::RED);
  sf::Image image = capture();
  EXPECT_EQ(countPixels(image, sf::Color::Red, 127, 167, 140, 198), 0);
  EXPECT_EQ(countPixels(image, sf::Color::Blue, 127, 167, 140, 198), 13 * 31);
}

TEST_F(GraphicsWindowTest, ATransparentFrameCharacterLeavesWhatWasDrawnBefore) {
  vt::Frame frame(3, 1, "#.#");
  graphics.drawCh(vt::Vector(10, 5), 'W', vt::GREEN);
  ASSERT_EQ(graphics.drawFrame(vt::Vector(9, 5), frame, false, vt::RED, '.'), 0);
  sf::Image image = capture();
  EXPECT_GT(countPixels(image, sf::Color::Green, 131, 167, 138, 198), 0);
  EXPECT_GT(countPixels(image, sf::Color::Red, 115, 160, 128, 198), 0);
  EXPECT_GT(countPixels(image, sf::Color::Red, 141, 160, 154, 198), 0);

  // Without a transparent character the '.' is drawn over it.
  graphics.drawFrame(vt::Vector(9, 5), frame, false, vt::RED, '\0');
  image = capture();
  EXPECT_EQ(countPixels(image, sf::Color::Green, 127, 167, 140, 198), 0);
}

TEST_F(GraphicsWindowTest, StringsAreJustifiedAroundTheirColumn) {
  graphics.drawString(vt::Vector(10, 1), "ABCD", vt::LEFT_JUSTIFIED, vt::WHITE);
  graphics.drawString(vt::Vector(10, 3), "ABCD", vt::CENTER_JUSTIFIED, vt::WHITE);
  graphics.drawString(vt::Vector(10, 5), "ABCD", vt::RIGHT_JUSTIFIED, vt::WHITE);
  graphics.drawString(vt::Vector(10, 7), "abc", vt::CENTER_JUSTIFIED, vt::WHITE);
  EXPECT_EQ(graphics.drawString(vt::Vector(10, 9), "", vt::CENTER_JUSTIFIED, vt::WHITE), 0);
  sf::Image image = capture();
  EXPECT_EQ(drawnColumns(image, 1), (std::set<int>{10, 11, 12, 13}));
  EXPECT_EQ(drawnColumns(image, 3), (std::set<int>{8, 9, 10, 11}));
  EXPECT_EQ(drawnColumns(image, 5), (std::set<int>{6, 7, 8, 9}));
  EXPECT_EQ(drawnColumns(image, 7), (std::set<int>{9, 10, 11}));
  EXPECT_EQ(drawnColumns(image, 9), std::set<int>{});
}

TEST_F(GraphicsWindowTest, ACentredFrameIsDrawnAroundItsPosition) {
  vt::Frame frame(5, 3, "abcdefghijklmno");
  graphics.drawFrame(vt::Vector(10, 10), frame, true, vt::WHITE, 0);
  graphics.drawFrame(vt::Vector(30, 10), frame, false, vt::WHITE, 0);
  EXPECT_EQ(graphics.drawFrame(vt::Vector(50, 10), vt::Frame(), false, vt::WHITE, 0), -1);
  sf::Image image = capture();
  EXPECT_EQ(drawnColumns(image, 8), std::set<int>{});
  for (int row = 9; row <= 11; row++)
    EXPECT_EQ(drawnColumns(image, row), (std::set<int>{8, 9, 10, 11, 12})) << row;
  for (int row = 10; row <= 12; row++)
    EXPECT_TRUE(cellDrawn(image, 30, row) && cellDrawn(image, 34, row)) << row;
  EXPECT_FALSE(cellDrawn(image, 30, 13));
}

TEST_F(GraphicsWindowTest, SwappingShowsThePictureAndClearsToTheBackground) {
  graphics.drawCh(vt::Vector(10, 5), 'X', vt::RED);
  ASSERT_EQ(graphics.swapBuffers(), 0);
  sf::Image image = capture();
  EXPECT_EQ(countPixels(image, sf::Color::Blue, 0, 0, 1024, 768), 1024 * 768);
}

TEST_F(GraphicsWindowTest, ASecondStartUpKeepsTheWindow) {
  sf::RenderWindow* window = graphics.getWindow();
  EXPECT_EQ(graphics.startUp(), 0);
  EXPECT_EQ(graphics.getWindow(), window);
  EXPECT_TRUE(contains(readLines("vantle.log"), "GraphicsManager::startUp(): Already started."));
}

TEST_F(GraphicsWindowTest, AMissingFontFailsStartUpWithoutLeavingAWindowOpen) {
  graphics.shutDown();
  vt::Config::getInstance().setFontFile("missing.ttf");
  EXPECT_EQ(graphics.startUp(), -1);
  EXPECT_FALSE(graphics.isStarted());
  EXPECT_EQ(graphics.getWindow(), nullptr);
  EXPECT_TRUE(contains(readLines("vantle.log"),
                       "GraphicsManager::startUp(): Unable to load font from file 'missing.ttf'."));
  // So a second attempt really starts instead of claiming it already has.
  vt::Config::getInstance().setFontFile("vt-font.ttf");
  EXPECT_EQ(graphics.startUp(), 0);
  EXPECT_TRUE(graphics.isStarted());
  // And the first picture starts from the background colour.
  EXPECT_EQ(countPixels(capture(), sf::Color::Blue, 0, 0, 1024, 768), 1024 * 768);
}
