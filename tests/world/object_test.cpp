#include <gtest/gtest.h>

#include <climits>

#include "WorldTestSupport.h"

using namespace world_test;
using vt::Vector;

using ObjectTest = WorldTest;

TEST_F(ObjectTest, VelocitySplitsIntoSpeedAndUnitDirectionAndMoveToOnlyAims) {
  Probe o;
  o.setVelocity(Vector(3, 4));
  EXPECT_EQ(o.getSpeed(), 5);
  EXPECT_EQ(o.getDirection(), Vector(0.6f, 0.8f));
  o.setVelocity(Vector());
  EXPECT_EQ(o.getDirection(), Vector());
  o.setPosition(Vector(1, 1));
  o.setSpeed(2);
  o.moveTo(Vector(1, 5));
  EXPECT_EQ(o.getDirection(), Vector(0, 1));
  o.moveTo(Vector(1, 1));
  EXPECT_EQ(o.getDirection(), Vector());
  EXPECT_EQ(o.getSpeed(), 2);
  EXPECT_TRUE(logged({"\t pos (1.00, 1.00), v (0.00, 4.00)"}));
}

TEST_F(ObjectTest, SpriteSizesTheBoxAndAnimatesWithSlowdownWrappingAtTheIntLimits) {
  vt::Sprite sprite(3);
  sprite.setWidth(3);
  sprite.setHeight(2);
  for (char c : {'a', 'b', 'c'}) sprite.addFrame(vt::Frame(3, 2, std::string(6, c)));
  Probe o;
  o.setSprite(&sprite);
  EXPECT_EQ(o.getBox().getCorner(), Vector(-1.5f, -1));
  EXPECT_EQ(o.getBox().getHorizontal(), 3);
  o.setCentered(false);
  EXPECT_EQ(o.getBox().getCorner(), Vector(0, 0));
  EXPECT_EQ(o.getBox().getVertical(), 1);
  o.setSpriteSlowdown(2);
  std::vector<int> shown;
  for (int i = 0; i < 7; i++, o.draw()) shown.push_back(o.getSpriteIndex());
  EXPECT_EQ(shown, (std::vector<int>{0, 0, 1, 1, 2, 2, 0}));
  o.setSpriteSlowdown(0);
  o.draw();
  EXPECT_EQ(o.getSpriteIndex(), 0);
  // Unchecked values, as an object's text can carry them.
  o.setSpriteSlowdown(INT_MAX);
  o.setSpriteSlowdownCount(INT_MAX);
  o.draw();
  EXPECT_EQ(o.getSpriteSlowdownCount(), 0);
  EXPECT_EQ(o.getSpriteIndex(), 1);
  o.setSpriteSlowdown(1);
  o.setSpriteIndex(INT_MAX);
  o.draw();
  EXPECT_EQ(o.getSpriteIndex(), 0);
  Probe().draw();  // no sprite: nothing to advance
}
