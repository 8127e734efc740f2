#include <gtest/gtest.h>

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
// Default configuration: 80 x 24 cells of 12.8 x 32 pixels, font scale 2, so
// world position (10, 5) is pixel (128, 160).
class ShapeWindowTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    REQUIRE_DISPLAY();
    stageFont();
    startPlainLog();
    ASSERT_EQ(graphics.startUp(), 0);
  }
  void TearDown() override {
    graphics.shutDown();
    InTempDir::TearDown();
  }
  static const sf::CircleShape& drawn() { return *vt::Shape::getDrawingShape(); }
  vt::GraphicsManager& graphics = vt::GraphicsManager::getInstance();
};
}  // namespace

TEST_F(ShapeWindowTest, ANewShapeIsAWhiteSize24CircleButAnObjectsShapeIsNeverDrawn) {
  vt::Shape shape;
  EXPECT_EQ(shape.getType(), vt::CIRCLE);
  EXPECT_EQ(shape.getSize(), 24);
  EXPECT_EQ(sf::Color(shape.getR(), shape.getG(), shape.getB(), shape.getAlpha()),
            sf::Color::White);
  vt::Object object;
  EXPECT_EQ(object.getShape().getType(), vt::UNDEFINED_SHAPE);
  object.draw();
  EXPECT_EQ(vt::Shape::getDrawingShape(), nullptr);
}

TEST_F(ShapeWindowTest, EachKindSetsItsOwnGeometryAndOnlyCustomKeepsItsComponents) {
  vt::Shape shape;
  const std::pair<float, std::size_t> points[] = {{2.5f, 3}, {7.9f, 7}, {24.0f, 10}};
  for (auto [size, count] : points) {
    shape.setSize(size);
    shape.draw(vt::Vector(10, 5));
    EXPECT_EQ(drawn().getPointCount(), count) << size;
  }
  EXPECT_EQ(drawn().getPosition(), sf::Vector2f(116, 148));
  shape.setType(vt::SQUARE);
  shape.draw(vt::Vector(10, 5));
  EXPECT_EQ(drawn().getRotation(), 45);
  shape.setType(vt::TRIANGLE);
  shape.draw(vt::Vector(10, 5));
  EXPECT_EQ(drawn().getRotation(), 0);
  EXPECT_EQ(drawn().getRadius(), 12);

  shape.setColor(vt::CUSTOM);
  shape.setR(10);
  shape.setG(20);
  shape.setB(30);
  shape.draw(vt::Vector(10, 5));
  EXPECT_EQ(drawn().getFillColor(), sf::Color(10, 20, 30));
  shape.setColor(vt::RED);
  shape.draw(vt::Vector(10, 5));
  EXPECT_EQ(sf::Color(shape.getR(), shape.getG(), shape.getB()), sf::Color::Red);
}

TEST_F(ShapeWindowTest, AnObjectDrawsItsShapeOverItsSprite) {
  vt::Sprite sprite(1);
  sprite.setWidth(1);
  sprite.setHeight(1);
  sprite.addFrame(vt::Frame(1, 1, " "));
  vt::Object object;
  object.setSprite(&sprite);
  object.setPosition(vt::Vector(10, 5));
  vt::Shape shape;
  shape.setColor(vt::RED);
  object.setShape(shape);
  object.draw();

  sf::RenderWindow& window = *graphics.getWindow();
  sf::Texture texture;
  ASSERT_TRUE(texture.create(window.getSize().x, window.getSize().y));
  texture.update(window);
  sf::Image image = texture.copyToImage();
  // The circle's centre is (140, 172); (135, 175) is also in the sprite's cell.
  EXPECT_EQ(image.getPixel(135, 175), sf::Color::Red);
  EXPECT_EQ(image.getPixel(140, 190), sf::Color::Red);
  EXPECT_EQ(image.getPixel(140, 199), sf::Color::Black);
}
