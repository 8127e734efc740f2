#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "InputTestSupport.h"
#include "presentation/ShapePolygon.h"

using namespace vt_test;
using vt::Vector;

namespace {
// Default configuration: 1024 x 768 pixels, 80 x 24 cells of 12.8 x 32 pixels,
// so world position (10, 5) is pixel (128, 160). The window is cleared to
// green before each test and the cells' background is blue.
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
    vt::WorldManager::getInstance().setView(vt::Box(Vector(), 80, 24));
  }
  void TearDown() override {
    graphics.shutDown();
    InTempDir::TearDown();
  }

  // What was drawn so far, read before the picture is shown.
  sf::Image capture() { return captureWindow(*graphics.getWindow()); }

  // Pixels of exactly color within the pixel rectangle [x0, x1) x [y0, y1).
  static int countPixels(const sf::Image& image, sf::Color color, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; y++)
      for (int x = x0; x < x1; x++)
        n += image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) == color;
    return n;
  }

  // The columns among the first 40 of a row whose background rectangle was
  // drawn: probed near both sides below the glyph, where only it reaches.
  static std::set<int> drawnColumns(const sf::Image& image, int row) {
    std::set<int> columns;
    auto y = static_cast<unsigned>(row * 32 + 36);
    for (int column = 0; column < 40; column++)
      if (image.getPixel(static_cast<unsigned>(column * 12.8), y) == sf::Color::Blue &&
          image.getPixel(static_cast<unsigned>(column * 12.8 + 11), y) == sf::Color::Blue)
        columns.insert(column);
    return columns;
  }

  // What the drawing calls made, on a window cleared to black.
  template <typename Draw>
  sf::Image picture(Draw draw) {
    graphics.getWindow()->clear(sf::Color::Black);
    draw();
    return capture();
  }

  // Lit pixels of a rectangle of cells: those of a glyph, whatever blue
  // its background adds.
  static std::vector<bool> ink(const sf::Image& image, int column, int row, int columns) {
    std::vector<bool> lit;
    for (int y = row * 32; y < (row + 2) * 32; y++)
      for (int x = static_cast<int>(column * 12.8f);
           x < static_cast<int>((column + columns) * 12.8f); x++) {
        sf::Color c = image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
        lit.push_back(c.r + c.g > 96);
      }
    return lit;
  }

  vt::GraphicsManager& graphics = vt::GraphicsManager::getInstance();
};
}  // namespace

// A space blanks the whole cell.
TEST_F(GraphicsWindowTest, ACharacterLandsInItsViewCellOnAShiftedBackground) {
  // View cell (10, 5): glyph origin (128, 160), background from (126.72,
  // 166.4) to (139.52, 198.4).
  vt::WorldManager::getInstance().setView(vt::Box(Vector(5, 2), 80, 24));
  ASSERT_EQ(graphics.drawCh(Vector(15, 7), 'X', vt::RED), 0);
  sf::Image image = capture();
  int in_cell = countPixels(image, sf::Color::Red, 128, 160, 146, 198);
  EXPECT_GT(in_cell, 20);
  EXPECT_EQ(countPixels(image, sf::Color::Red, 0, 0, 1024, 768), in_cell);
  const std::tuple<unsigned, unsigned, sf::Color> probes[] = {
      {127, 167, sf::Color::Blue},  {127, 197, sf::Color::Blue},  {139, 197, sf::Color::Blue},
      {126, 180, sf::Color::Green}, {127, 165, sf::Color::Green}, {127, 199, sf::Color::Green},
      {140, 197, sf::Color::Green}};
  for (auto [x, y, color] : probes) EXPECT_EQ(image.getPixel(x, y), color) << x << "," << y;
  graphics.drawCh(Vector(15, 7), ' ', vt::RED);
  EXPECT_EQ(countPixels(capture(), sf::Color::Blue, 127, 167, 140, 198), 13 * 31);
}

// A frame's transparent character leaves its cell as it was.
TEST_F(GraphicsWindowTest, StringsAreJustifiedAroundTheirColumnAndFramesAroundTheirCentre) {
  graphics.drawString(Vector(10, 1), "ABCD", vt::LEFT_JUSTIFIED, vt::WHITE);
  graphics.drawString(Vector(10, 3), "ABCD", vt::CENTER_JUSTIFIED, vt::WHITE);
  graphics.drawString(Vector(10, 5), "ABCD", vt::RIGHT_JUSTIFIED, vt::WHITE);
  graphics.drawString(Vector(10, 7), "abc", vt::CENTER_JUSTIFIED, vt::WHITE);
  EXPECT_EQ(graphics.drawString(Vector(10, 9), "", vt::CENTER_JUSTIFIED, vt::WHITE), 0);
  vt::Frame frame(5, 3, "abcdefghijklmno");
  graphics.drawFrame(Vector(10, 14), frame, true, vt::WHITE, 0);
  graphics.drawFrame(Vector(30, 14), frame, false, vt::WHITE, 0);
  graphics.drawFrame(Vector(10, 11), vt::Frame(5, 1, "#.#.#"), false, vt::WHITE, '.');
  EXPECT_EQ(graphics.drawFrame(Vector(20, 20), vt::Frame(), false, vt::WHITE, 0), -1);
  sf::Image image = capture();
  const std::set<int> both = {8, 9, 10, 11, 12, 30, 31, 32, 33, 34};
  std::map<int, std::set<int>> expected = {
      {1, {10, 11, 12, 13}},     {3, {8, 9, 10, 11}},      {5, {6, 7, 8, 9}}, {7, {9, 10, 11}},
      {11, {10, 12, 14}},        {13, {8, 9, 10, 11, 12}}, {14, both},        {15, both},
      {16, {30, 31, 32, 33, 34}}};
  for (int row = 0; row < 18; row++) EXPECT_EQ(drawnColumns(image, row), expected[row]) << row;
}

// A font that is missing, a folder or a pipe fails the start-up, which closes its
// window again, so that the next start-up really starts.
TEST_F(GraphicsWindowTest, StartUpKeepsItsWindowAndFailsCleanlyWithoutItsFont) {
  sf::RenderWindow* p_window = graphics.getWindow();
  EXPECT_EQ(graphics.startUp(), 0);
  EXPECT_EQ(graphics.getWindow(), p_window);
  graphics.shutDown();
  std::filesystem::create_directory("folder.ttf");
  vt_test::makeFifo("pipe.ttf");
  for (std::string font : {"missing.ttf", "folder.ttf", "pipe.ttf"}) {
    vt::Config::getInstance().setFontFile(font);
    EXPECT_EQ(graphics.startUp(), -1);
    EXPECT_EQ(graphics.getWindow(), nullptr);
    EXPECT_TRUE(
        contains(readLines("vantle.log"),
                 "GraphicsManager::startUp(): Unable to load font from file '" + font + "'."));
  }
  vt::Config::getInstance().setFontFile("vt-font.ttf");
  ASSERT_EQ(graphics.startUp(), 0);
  EXPECT_EQ(countPixels(capture(), sf::Color::Blue, 0, 0, 1024, 768), 1024 * 768);
  graphics.drawCh(Vector(10, 5), 'X', vt::RED);
  ASSERT_EQ(graphics.swapBuffers(), 0);  // shows the picture, clears to the background
  EXPECT_EQ(countPixels(capture(), sf::Color::Blue, 0, 0, 1024, 768), 1024 * 768);
  EXPECT_TRUE(contains(readLines("vantle.log"), "GraphicsManager::startUp(): Already started."));
}

// An object without a shape draws none; one with a shape draws it over its
// sprite, with its type's geometry and, for CUSTOM, its own components.
TEST_F(GraphicsWindowTest, ShapesDrawOverTheSpriteWithTheirGeometryAndColour) {
  vt::Sprite sprite(1);
  sprite.setWidth(1);
  sprite.setHeight(1);
  sprite.addFrame(vt::Frame(1, 1, " "));
  vt::Object object;
  object.setSprite(&sprite);
  object.setPosition(Vector(10, 5));
  object.draw();
  EXPECT_EQ(vt::sharedShapePolygon(), nullptr);
  vt::Shape shape;  // a circle 24 pixels across
  shape.setColor(vt::RED);
  object.setShape(shape);
  object.draw();
  sf::Image image = capture();
  // The circle's centre is (140, 172); (135, 175) is also in the sprite's cell.
  EXPECT_EQ(image.getPixel(135, 175), sf::Color::Red);
  EXPECT_EQ(image.getPixel(140, 190), sf::Color::Red);
  EXPECT_EQ(image.getPixel(140, 199), sf::Color::Green);
  const vt::ScreenShape& polygon = *vt::sharedShapePolygon();
  EXPECT_TRUE(polygon.point_count == 10 && polygon.x == 116 && polygon.y == 148);
  for (auto [size, count] : {std::pair<float, std::size_t>{2.5f, 3}, {7.9f, 7}}) {
    shape.setSize(size);
    shape.draw(Vector(10, 5));
    EXPECT_EQ(polygon.point_count, count) << size;
  }
  shape.setType(vt::SQUARE);
  shape.draw(Vector(10, 5));
  EXPECT_TRUE(polygon.point_count == 4 && polygon.rotation == 45);
  shape.setType(vt::TRIANGLE);
  shape.setColor(vt::CUSTOM);
  shape.setR(10), shape.setG(20), shape.setB(30);
  shape.draw(Vector(10, 5));
  EXPECT_TRUE(polygon.point_count == 3 && polygon.rotation == 0);
  EXPECT_TRUE(polygon.r == 10 && polygon.g == 20 && polygon.b == 30 && polygon.a == 255);
}

// The batched picture: whole glyphs beside each other, later characters
// hiding earlier ones in their cell, drawing order with shapes, and the
// picture kept in proportion in a resized window.
TEST_F(GraphicsWindowTest, GlyphsKeepTheirInkBesideEachOtherAndLaterCharactersTakeTheCell) {
  const std::string row = "ooo000";
  sf::Image together =
      picture([&] { graphics.drawString(Vector(10, 5), row, vt::LEFT_JUSTIFIED, vt::WHITE); });
  for (int i = 0; i < 6; i++) {
    SCOPED_TRACE("glyph " + std::to_string(i));
    sf::Image alone = picture([&] { graphics.drawCh(Vector(10.0f + i, 5), row[i], vt::WHITE); });
    std::vector<bool> mine = ink(alone, 9 + i, 5, 3), seen = ink(together, 9 + i, 5, 3);
    for (std::size_t p = 0; p < mine.size(); p++) ASSERT_TRUE(!mine[p] || seen[p]) << "pixel " << p;
  }
  // A blank and a frame with a transparent character over a row of '#', a
  // centred frame placing its middle on the position: as if written at once.
  sf::Image layered = picture([&] {
    graphics.drawString(Vector(10, 8), "#####", vt::LEFT_JUSTIFIED, vt::WHITE);
    graphics.drawCh(Vector(11, 8), ' ', vt::WHITE);
    graphics.drawFrame(Vector(13, 8), vt::Frame(3, 1, ".x."), true, vt::WHITE, '.');
  });
  sf::Image written =
      picture([&] { graphics.drawString(Vector(10, 8), "# #x#", vt::LEFT_JUSTIFIED, vt::WHITE); });
  EXPECT_EQ(ink(layered, 9, 8, 7), ink(written, 9, 8, 7));
}

TEST_F(GraphicsWindowTest, AShapeDrawnBetweenTwoStringsKeepsItsPlace) {
  sf::Image image = picture([&] {
    graphics.drawString(Vector(10, 5), "AAAA", vt::LEFT_JUSTIFIED, vt::WHITE);
    vt::Shape shape;
    shape.setColor(vt::RED);
    shape.setSize(20);
    shape.draw(Vector(12, 5));
    graphics.drawString(Vector(12, 5), "BB", vt::LEFT_JUSTIFIED, vt::WHITE);
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

TEST_F(GraphicsWindowTest, AResizedWindowLetterboxesThePictureAndClicksFindTheirCell) {
  input_test::ScriptedInput input;
  input_test::Recorder recorder;
  vt::InputManager::getInstance().setInputSource(&input);
  graphics.getWindow()->setSize(sf::Vector2u(2048, 768));
  input.add(sf::Event::Resized);
  input.queue.back().size = {2048, 768};
  input.add(sf::Event::MouseButtonPressed, sf::Mouse::Left, 512 + 64 + 2, 96 + 16);
  vt::InputManager::getInstance().getInput();
  vt::InputManager::getInstance().setInputSource(nullptr);
  ASSERT_FALSE(recorder.positions.empty());
  // The picture starts 512 pixels in.
  EXPECT_EQ(static_cast<int>(recorder.positions[0].getX()), 5);
  EXPECT_EQ(recorder.positions[0].getY(), 3.5f);
  sf::Image image = picture([&] { graphics.drawCh(Vector(5, 3), '#', vt::WHITE); });
  ASSERT_EQ(image.getSize().x, 2048u);
  EXPECT_EQ(ink(image, 5, 3, 1), std::vector<bool>(ink(image, 5, 3, 1).size(), false))
      << "not stretched over the left margin";
  int lit = 0;
  for (int y = 96; y < 160; y++)
    for (int x = 512 + 64; x < 512 + 77; x++) lit += image.getPixel(x, y).r > 96;
  EXPECT_GT(lit, 20);
}

TEST_F(GraphicsWindowTest, OnlyTheCharactersTheWindowShowsCostAnything) {
  // 80 x 24 cells: a 2000 x 2000 frame or a million-character string adds
  // no more characters than the window's cells and a margin.
  graphics.drawFrame(Vector(-500, -500), vt::Frame(2000, 2000, std::string(4000000, '#')), false,
                     vt::WHITE, '\0');
  graphics.swapBuffers();
  EXPECT_LE(graphics.getScreen().getChars().size(), 85u * 29u);
  graphics.drawString(Vector(5, 5), std::string(1000000, '#'), vt::CENTER_JUSTIFIED, vt::WHITE);
  graphics.swapBuffers();
  EXPECT_LE(graphics.getScreen().getChars().size(), 85u);
  EXPECT_GE(graphics.getScreen().getChars().size(), 80u);
}
