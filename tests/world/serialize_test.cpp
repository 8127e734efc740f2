
#include <cfloat>

#include "WorldTestSupport.h"
#include "world/ObjectRegistry.h"

using namespace world_test;
using vt::Vector;

using SerializeTest = WorldTest;

TEST_F(SerializeTest, WritesEverythingOnceThenOnlyWhatChanged) {
  vt::Object o;
  o.registerInterest("vt::step");
  o.setPosition(Vector(10, 5));
  std::string id = "id:" + std::to_string(o.getId()) + ",";
  EXPECT_EQ(o.serialize(),
            id + "is_active:true,is_visible:true,event_count:1,event_name[0]:vt::step,"
                 "box-corner-x:-0.5,box-corner-y:-0.5,box-horizontal:0.99,box-vertical:0.99,"
                 "pos-x:10,pos-y:5,type:Object,sprite_name:,sprite_center:true,"
                 "sprite_transparency:0,sprite_index:0,sprite_slowdown:1,sprite_slowdown_count:0,"
                 "altitude:2,solidness:0,no_soft:false,x_direction:0,y_direction:0,speed:0,"
                 "x_acceleration:0,y_acceleration:0,");
  EXPECT_EQ(o.serialize(), "");
  EXPECT_FALSE(o.isModified());
  o.setSpeed(1.0f / 3);
  o.setDirection(Vector(0, -1));
  o.setTransparency(' ');
  EXPECT_EQ(o.serialize(),
            "sprite_name:,sprite_center:true,sprite_transparency: ,sprite_index:0,"
            "sprite_slowdown:1,sprite_slowdown_count:0,x_direction:0,y_direction:-1,"
            "speed:0.333333,");
  EXPECT_EQ(o.serialize(true).substr(0, id.size()), id);

  vt::ViewObject v;
  std::string all = v.serialize();
  EXPECT_EQ(all.substr(all.find("y_acceleration:0,")),
            "y_acceleration:0,view_string:,value:0,border:true,color:7,location:1,"
            "draw_value:true,");
  v.setPosition(Vector(5, 5));
  EXPECT_EQ(v.serialize(), "pos-x:5,pos-y:5,location:-1,");
}

TEST_F(SerializeTest, ReadingSkipsIncompleteOrMissingPartsAndNeverRereadsAText) {
  Probe o;
  o.registerInterest("vt::step");
  o.setSpeed(2);
  vt::LogManager::getInstance().setLogLevel(10);
  o.deserialize(
      "event_count:0,box-corner-x:-0.5,pos-x:1.5,y_direction:1,sprite_name:ghost,"
      "sprite_transparency:0,");
  EXPECT_EQ(deliver(vt::GameManager::getInstance(), "vt::step"), 0);
  EXPECT_EQ(o.getSpriteName(), "ghost");
  EXPECT_EQ(o.getDirection(), Vector(0, 1));
  EXPECT_EQ(o.getSpeed(), 2);  // a change of direction alone keeps the speed
  EXPECT_EQ(o.getTransparency(), '\0');
  EXPECT_EQ(o.getBox().getCorner(), Vector(-0.5f, -0.5f));
  EXPECT_EQ(o.getPosition(), Vector());
  EXPECT_TRUE(logged({"Object::Match(): Object " + std::to_string(o.getId()) +
                      " (Object), Sprite 'ghost' not found"}));
  o.deserialize("pos-x:3,pos-y:4,");
  o.deserialize("");  // does not read the last text again
  EXPECT_EQ(o.getPosition(), Vector(3, 4));
  EXPECT_EQ(vt_test::count(vt_test::readLines("vantle.log"), "Object::deserialize(): pos-x is 3"),
            1);
  o.deserialize("event_count:2000000000,");
  EXPECT_EQ(o.getEventCount(), 0);
}

// A text whose numbers are not all finite, and what an object moving at
// speed 2 in direction (0.6, 0.8) from (3, 4) then holds: each such number
// is refused with a line and its value kept (the box too, left incomplete).
struct NotFinite {
  const char* text;
  float x, y, x_direction, y_direction, speed, x_acceleration;
  int refused;
};

const NotFinite NOT_FINITE[] = {
    {"pos-x:inf,pos-y:7,speed:1e39,x_direction:nan,y_direction:-1,", 3, 7, 0.6f, -1, 2, 0, 3},
    {"pos-x:-inf,pos-y:nan,speed:0.5,x_acceleration:1e40,y_acceleration:-inf,", 3, 4, 0.6f, 0.8f,
     0.5f, 0, 4},
    {"box-corner-x:inf,box-corner-y:1,box-horizontal:2,box-vertical:2,x_acceleration:1,", 3, 4,
     0.6f, 0.8f, 2, 1, 1},
};

TEST_F(SerializeTest, NumbersThatAreNotFiniteAreRefusedItemByItemKeepingTheirValues) {
  for (const NotFinite& c : NOT_FINITE) {
    SCOPED_TRACE(c.text);
    vt::Object o;
    o.setPosition(Vector(3, 4));
    o.setDirection(Vector(0.6f, 0.8f));
    o.setSpeed(2);
    o.deserialize(c.text);
    EXPECT_EQ(o.getPosition(), Vector(c.x, c.y));
    EXPECT_EQ(o.getDirection(), Vector(c.x_direction, c.y_direction));
    EXPECT_EQ(o.getSpeed(), c.speed);
    EXPECT_EQ(o.getAcceleration(), Vector(c.x_acceleration, 0));
    EXPECT_EQ(o.getBox().getCorner(), Vector(-0.5f, -0.5f));
    std::string id = std::to_string(o.getId());
    int refusals = 0;
    for (const std::string& line : vt_test::readLines("vantle.log"))
      refusals += line.rfind("Object::deserialize(): Object " + id + " (Object), ", 0) == 0 &&
                  line.find("' is not a finite number.  Ignored.") != std::string::npos;
    EXPECT_EQ(refusals, c.refused);
  }
}

TEST_F(SerializeTest, TextsRoundTripThroughFreshObjects) {
  ASSERT_EQ(vt::ResourceManager::getInstance().startUp(), 0);
  vt_test::writeFile("hero.txt", "frames 1\nwidth 3\nheight 2\ncolor red\n.o.\n-+-\nend\neof\n");
  ASSERT_EQ(vt::ResourceManager::getInstance().loadSprite("hero.txt", "hero"), 0);
  const std::string text =
      "id:7777,is_active:false,is_visible:false,event_count:3,event_name[0]:vt::step,"
      "event_name[1]:vt::keyboard,event_name[2]:game::ping,box-corner-x:-0.5,"
      "box-corner-y:-1.25,box-horizontal:2.5,box-vertical:3.75,pos-x:10.25,pos-y:-3.5,"
      "type:Hero,sprite_name:hero,sprite_center:false,sprite_transparency:#,sprite_index:1,"
      "sprite_slowdown:3,sprite_slowdown_count:2,altitude:0,solidness:1,no_soft:true,"
      "x_direction:0.6,y_direction:0.8,speed:2.5,x_acceleration:0.125,y_acceleration:-0.5,";
  Probe b;
  b.deserialize(text);
  EXPECT_EQ(b.serialize(true), text);
  EXPECT_TRUE(vt::objectExists(&b, 7777));
  EXPECT_EQ(b.getSprite(), vt::ResourceManager::getInstance().getSprite("hero"));
  EXPECT_EQ(listsOf(&b), "i");
  b.setVisible(true);
  b.setActive(true);
  EXPECT_EQ(listsOf(&b), "as0");
  EXPECT_EQ(deliver(vt::GameManager::getInstance(), "vt::step") + deliver(world(), "game::ping") +
                deliver(vt::InputManager::getInstance(), "vt::keyboard"),
            3);

  vt::ViewObject v, copy;
  v.deserialize("view_string:Keys,value:-3,color:1,border:false,location:8,draw_value:false,");
  std::string view_text = v.serialize(true);
  copy.deserialize(view_text);
  EXPECT_EQ(copy.serialize(true), view_text);
  EXPECT_EQ(copy.getPosition(), Vector(62.5f, 19));
  EXPECT_EQ(copy.getText(), "Keys");
}
