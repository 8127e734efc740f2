#include <gtest/gtest.h>

#include <climits>

#include "WorldTestSupport.h"

using world_test::WorldTest;

using ViewObjectTest = WorldTest;

TEST_F(ViewObjectTest, NewViewObjectIsAFramedSpectralZeroOnTopAtTheTopCentre) {
  vt::ViewObject v;
  EXPECT_EQ(v.getPosition(), vt::Vector(37.5f, 1));
  EXPECT_EQ(v.getSolidness(), vt::SPECTRAL);
  EXPECT_EQ(v.getAltitude(), 4);
  EXPECT_EQ(v.getText(), "  0 ");
  v.setViewString("Keys Remaining");
  v.setValue(3);
  EXPECT_EQ(v.getText(), " Keys Remaining 3 ");
  v.setBorder(false);
  EXPECT_EQ(v.getText(), "Keys Remaining 3");
  v.setDrawValue(false);
  EXPECT_EQ(v.getText(), "Keys Remaining");
}

TEST_F(ViewObjectTest, NineLocationsWithAndWithoutBorder) {
  const float xs[] = {12.5f, 37.5f, 62.5f}, framed_ys[] = {1, 10, 18}, bare_ys[] = {0, 9, 19};
  vt::ViewObject v;
  for (int location = vt::TOP_LEFT; location <= vt::BOTTOM_RIGHT; location++) {
    v.setBorder(true);
    v.setLocation(static_cast<vt::ViewObjectLocation>(location));
    EXPECT_EQ(v.getPosition(), vt::Vector(xs[location % 3], framed_ys[location / 3])) << location;
    v.setBorder(false);
    EXPECT_EQ(v.getPosition(), vt::Vector(xs[location % 3], bare_ys[location / 3])) << location;
    EXPECT_EQ(v.getLocation(), location);
  }
  v.setPosition(vt::Vector(5, 5));
  EXPECT_EQ(v.getLocation(), vt::UNDEFINED_LOCATION);
  v.setBorder(true);
  v.setLocation(static_cast<vt::ViewObjectLocation>(9));
  EXPECT_EQ(v.getPosition(), vt::Vector(5, 5));
  EXPECT_EQ(v.getLocation(), vt::UNDEFINED_LOCATION);
  EXPECT_TRUE(
      world_test::logged({"ViewObject::setLocation(): Location out of range (9).  Ignored."}));
}

TEST_F(ViewObjectTest, ViewEventsChangeTheValueOfTheTaggedObjectOnly) {
  vt::ViewObject keys, level;
  keys.setViewString("Keys Remaining");
  keys.setValue(3);
  level.setViewString("Level");
  level.setValue(1);
  vt::EventView lower("Keys Remaining", -1, true);
  EXPECT_EQ(vt::WorldManager::getInstance().onEvent(&lower), 2);
  EXPECT_EQ(keys.getValue(), 2);
  EXPECT_EQ(level.getValue(), 1);
  vt::EventView set("Keys Remaining", 7, false);
  EXPECT_EQ(keys.eventHandler(&set), 1);
  EXPECT_EQ(level.eventHandler(&set), 0);
  EXPECT_EQ(keys.getValue(), 7);
}

TEST_F(ViewObjectTest, CountingPastTheIntRangeStopsAtItsEnds) {
  vt::ViewObject time;
  time.deserialize("view_string:Time,value:-2147483648,");
  vt::EventView down("Time", -1, true);
  EXPECT_EQ(time.eventHandler(&down), 1);
  EXPECT_EQ(time.getValue(), INT_MIN);
  vt::EventView up("Time", INT_MAX, true);
  time.eventHandler(&up);
  EXPECT_EQ(time.getValue(), -1);
  time.eventHandler(&up);
  time.eventHandler(&up);
  EXPECT_EQ(time.getValue(), INT_MAX);
}
