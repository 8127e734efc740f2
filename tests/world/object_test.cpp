
#include "WorldTestSupport.h"

using namespace world_test;
using vt::Box;
using vt::Vector;

using ObjectTest = WorldTest;

TEST_F(ObjectTest, BoxesMeetInclusivelySoOnlyObjectsOnOneCellCollide) {
  Box unit(Vector(0, 0), 1, 1);
  const std::pair<Box, bool> cases[] = {{Box(Vector(1, 0), 1, 1), true},
                                        {Box(Vector(1, 1), 1, 1), true},
                                        {Box(Vector(0.5f, 0.5f), 0, 0), true},
                                        {Box(Vector(1.5f, 0), 1, 1), false},
                                        {Box(Vector(0, -1.5f), 1, 1), false}};
  for (const auto& [other, meet] : cases) {
    EXPECT_EQ(vt::boxIntersectsBox(unit, other), meet) << other.getCorner().getX();
    EXPECT_EQ(vt::boxIntersectsBox(other, unit), meet) << other.getCorner().getX();
  }
  Probe a("a", Vector(1, 1));
  EXPECT_EQ(vt::getWorldBox(&a, Vector(2, 1)).getCorner(), Vector(1.5f, 0.5f));
}

TEST_F(ObjectTest, VelocitySplitsIntoSpeedAndUnitDirection) {
  Probe o;
  o.setVelocity(Vector(3, 4));
  EXPECT_EQ(o.getSpeed(), 5);
  EXPECT_EQ(o.getDirection(), Vector(0.6f, 0.8f));
  o.setVelocity(Vector());
  EXPECT_EQ(o.getDirection(), Vector());
}

TEST_F(ObjectTest, SpriteSizesTheBoxAndAnimatesWithSlowdown) {
  vt::Sprite sprite(3);
  sprite.setWidth(3);
  sprite.setHeight(2);
  for (char c : {'a', 'b', 'c'}) sprite.addFrame(vt::Frame(3, 2, std::string(6, c)));
  Probe o;
  o.setSprite(&sprite);
  EXPECT_EQ(o.getBox().getCorner() + Vector(o.getBox().getHorizontal(), 0), Vector(1.5f, -1));
  o.setCentered(false);
  EXPECT_EQ(o.getBox().getCorner() + Vector(0, o.getBox().getVertical()), Vector(0, 1));
  o.setSpriteSlowdown(2);
  std::vector<int> shown;
  for (int i = 0; i < 7; i++, o.draw()) shown.push_back(o.getSpriteIndex());
  o.setSpriteSlowdown(0);
  o.draw();
  shown.push_back(o.getSpriteIndex());
  o.setSpriteIndex(2);
  o.setSprite(&sprite);  // starts it again
  shown.push_back(o.getSpriteIndex());
  EXPECT_EQ(shown, (std::vector<int>{0, 0, 1, 1, 2, 2, 0, 0, 0}));
  Probe().draw();  // no sprite: nothing to advance
}

TEST_F(ObjectTest, ViewObjectsShowAFramedLabelAndValueAtNineLocations) {
  vt::ViewObject v;
  EXPECT_EQ(v.getSolidness(), vt::SPECTRAL);
  EXPECT_EQ(v.getText(), "  0 ");
  v.setViewString("Keys");
  v.setDrawValue(false);
  const float xs[] = {12.5f, 37.5f, 62.5f}, framed_ys[] = {1, 10, 18}, bare_ys[] = {0, 9, 19};
  for (int location = vt::TOP_LEFT; location <= vt::BOTTOM_RIGHT; location++) {
    v.setBorder(true);
    v.setLocation(static_cast<vt::ViewObjectLocation>(location));
    EXPECT_EQ(v.getPosition(), Vector(xs[location % 3], framed_ys[location / 3])) << location;
    v.setBorder(false);  // moves the object it has placed
    EXPECT_EQ(v.getPosition(), Vector(xs[location % 3], bare_ys[location / 3])) << location;
  }
  EXPECT_EQ(v.getText(), "Keys");
  v.setPosition(Vector(5, 5));
  v.setBorder(true);
  EXPECT_EQ(v.getText(), " Keys ");
  v.setLocation(static_cast<vt::ViewObjectLocation>(9));
  EXPECT_EQ(v.getPosition(), Vector(5, 5));
  EXPECT_EQ(v.getLocation(), vt::UNDEFINED_LOCATION);
  EXPECT_TRUE(logged({"ViewObject::setLocation(): Location out of range (9).  Ignored."}));
}

TEST_F(ObjectTest, ViewEventsSetOrAddToTheTaggedValueWithinTheIntRange) {
  vt::ViewObject keys, level;
  keys.setViewString("Keys");
  keys.setValue(INT_MIN + 1);
  level.setViewString("Level");
  vt::EventView lower("Keys", -1, true), set("Keys", 7, false), raise("Keys", INT_MAX, true);
  EXPECT_EQ(world().onEvent(&lower), 2);  // delivered to both, taken by one
  EXPECT_EQ(keys.eventHandler(&lower) + level.eventHandler(&set), 1);
  EXPECT_EQ(keys.getText(), " Keys -2147483648 ");
  for (int value : {-1, INT_MAX - 1, INT_MAX}) {
    keys.eventHandler(&raise);
    EXPECT_EQ(keys.getValue(), value);
  }
  keys.eventHandler(&set);
  EXPECT_EQ(keys.getValue() + level.getValue(), 7);
}
