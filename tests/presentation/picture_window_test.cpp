// The batched picture: whole glyphs beside each other, later characters
// hiding earlier ones in their cell, transparency, drawing order with shapes,
// and the picture kept in proportion in a resized window.

#include "../presentation/InputTestSupport.h"
#include "TestSupport.h"

using vt::Vector;

namespace {

// Default window: 1024 x 768 pixels, 80 x 24 cells of 12.8 x 32 pixels.
class PictureWindowTest : public vt_test::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    REQUIRE_DISPLAY();
    vt_test::stageFont();
    vt_test::startPlainLog();
    ASSERT_EQ(graphics().startUp(), 0);
    vt::WorldManager::getInstance().setView(vt::Box(Vector(), 80, 24));
  }
  void TearDown() override {
    graphics().shutDown();
    InTempDir::TearDown();
  }
  static vt::GraphicsManager& graphics() { return vt::GraphicsManager::getInstance(); }

  // What the drawing calls made so far, on a cleared window.
  template <typename Draw>
  sf::Image picture(Draw draw) {
    graphics().getWindow()->clear(sf::Color::Black);
    draw();
    return vt_test::captureWindow(*graphics().getWindow());
  }

  // Lit pixels of a rectangle of cells: brighter than the dark background.
  static std::vector<bool> ink(const sf::Image& image, int column, int row, int columns) {
    std::vector<bool> lit;
    for (int y = row * 32; y < (row + 2) * 32; y++)
      for (int x = static_cast<int>(column * 12.8f);
           x < static_cast<int>((column + columns) * 12.8f); x++) {
        sf::Color c = image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
        lit.push_back(c.r + c.g + c.b > 96);
      }
    return lit;
  }
};

}  // namespace

TEST_F(PictureWindowTest, GlyphsKeepTheirInkBesideEachOtherAndLaterCharactersTakeTheCell) {
  const std::string row = "ooo000";
  sf::Image together =
      picture([&] { graphics().drawString(Vector(10, 5), row, vt::LEFT_JUSTIFIED, vt::WHITE); });
  for (int i = 0; i < 6; i++) {
    SCOPED_TRACE("glyph " + std::to_string(i));
    sf::Image alone = picture([&] { graphics().drawCh(Vector(10.0f + i, 5), row[i], vt::WHITE); });
    std::vector<bool> mine = ink(alone, 9 + i, 5, 3), seen = ink(together, 9 + i, 5, 3);
    for (std::size_t p = 0; p < mine.size(); p++) ASSERT_TRUE(!mine[p] || seen[p]) << "pixel " << p;
  }
  // A blank and a frame with a transparent character over a row of '#', a
  // centred frame placing its middle on the position: as if written at once.
  sf::Image layered = picture([&] {
    graphics().drawString(Vector(10, 8), "#####", vt::LEFT_JUSTIFIED, vt::WHITE);
    graphics().drawCh(Vector(11, 8), ' ', vt::WHITE);
    graphics().drawFrame(Vector(13, 8), vt::Frame(3, 1, ".x."), true, vt::WHITE, '.');
  });
  sf::Image written = picture(
      [&] { graphics().drawString(Vector(10, 8), "# #x#", vt::LEFT_JUSTIFIED, vt::WHITE); });
  EXPECT_EQ(ink(layered, 9, 8, 7), ink(written, 9, 8, 7));
}

TEST_F(PictureWindowTest, AShapeDrawnBetweenTwoStringsKeepsItsPlace) {
  sf::Image image = picture([&] {
    graphics().drawString(Vector(10, 5), "AAAA", vt::LEFT_JUSTIFIED, vt::WHITE);
    vt::Shape shape;
    shape.setColor(vt::RED);
    shape.setSize(20);
    shape.draw(Vector(12, 5));
    graphics().drawString(Vector(12, 5), "BB", vt::LEFT_JUSTIFIED, vt::WHITE);
  });
  // Red pixels where the cells' backgrounds lie, a fifth of a cell below
  // the glyphs, across pixel columns [x0, x1).
  auto red = [&](unsigned x0, unsigned x1) {
    int n = 0;
    for (unsigned y = 5 * 32 + 8; y < 6 * 32 + 6; y++)
      for (unsigned x = x0; x < x1; x++) n += image.getPixel(x, y) == sf::Color::Red;
    return n;
  };
  EXPECT_GT(red(140, 150), 0) << "over the first string";
  EXPECT_EQ(red(156, 176), 0) << "under the second";
}

TEST_F(PictureWindowTest, AResizedWindowLetterboxesThePictureAndClicksFindTheirCell) {
  input_test::ScriptedInput input;
  input_test::Recorder recorder;
  vt::InputManager::getInstance().setInputSource(&input);
  graphics().getWindow()->setSize(sf::Vector2u(2048, 768));
  input.add(sf::Event::Resized);
  input.queue.back().size = {2048, 768};
  input.add(sf::Event::MouseButtonPressed, sf::Mouse::Left, 512 + 64 + 2, 96 + 16);
  vt::InputManager::getInstance().getInput();
  vt::InputManager::getInstance().setInputSource(nullptr);
  ASSERT_FALSE(recorder.positions.empty());
  // The picture starts 512 pixels in.
  EXPECT_EQ(static_cast<int>(recorder.positions[0].getX()), 5);
  EXPECT_EQ(recorder.positions[0].getY(), 3.5f);
  sf::Image image = picture([&] { graphics().drawCh(Vector(5, 3), '#', vt::WHITE); });
  ASSERT_EQ(image.getSize().x, 2048u);
  EXPECT_EQ(ink(image, 5, 3, 1), std::vector<bool>(ink(image, 5, 3, 1).size(), false))
      << "not stretched over the left margin";
  int lit = 0;
  for (int y = 96; y < 160; y++)
    for (int x = 512 + 64; x < 512 + 77; x++) lit += image.getPixel(x, y).r > 96;
  EXPECT_GT(lit, 20);
}

TEST_F(PictureWindowTest, OnlyTheCharactersTheWindowShowsCostAnything) {
  // 80 x 24 cells: a 2000 x 2000 frame or a million-character string adds
  // no more characters than the window's cells and a margin.
  graphics().drawFrame(Vector(-500, -500), vt::Frame(2000, 2000, std::string(4000000, '#')), false,
                       vt::WHITE, '\0');
  EXPECT_LE(graphics().getBatch().getCount(), 85u * 29u);
  graphics().getBatch().take();
  graphics().drawString(Vector(5, 5), std::string(1000000, '#'), vt::CENTER_JUSTIFIED, vt::WHITE);
  EXPECT_LE(graphics().getBatch().getCount(), 85u);
  EXPECT_GE(graphics().getBatch().getCount(), 80u);
}
