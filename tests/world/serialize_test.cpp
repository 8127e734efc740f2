#include <gtest/gtest.h>

#include <cfloat>
#include <climits>

#include "WorldTestSupport.h"
#include "world/ObjectRegistry.h"

using namespace world_test;
using vt::Vector;

namespace {
using SerializeTest = WorldTest;

const std::string REST_OF_NEW_OBJECT =
    "type:Object,sprite_name:,sprite_center:true,sprite_transparency:0,sprite_index:0,"
    "sprite_slowdown:1,sprite_slowdown_count:0,altitude:2,solidness:0,no_soft:false,"
    "x_direction:0,y_direction:0,speed:0,x_acceleration:0,y_acceleration:0,";
}  // namespace

TEST_F(SerializeTest, WritesEverythingOnceThenOnlyWhatChanged) {
  vt::Object o;
  o.registerInterest("vt::step");
  o.setPosition(Vector(10, 5));
  std::string id = "id:" + std::to_string(o.getId()) + ",";
  EXPECT_EQ(o.serialize(),
            id +
                "is_active:true,is_visible:true,event_count:1,event_name[0]:vt::step,"
                "box-corner-x:-0.5,box-corner-y:-0.5,box-horizontal:0.99,box-vertical:0.99,"
                "pos-x:10,pos-y:5," +
                REST_OF_NEW_OBJECT);
  EXPECT_EQ(o.serialize(), "");
  EXPECT_FALSE(o.isModified());
  o.setAltitude(3);
  EXPECT_EQ(o.serialize(), "altitude:3,");

  o.setSpeed(1.0f / 3);
  o.setDirection(Vector(0, -1));
  o.setTransparency(' ');
  EXPECT_EQ(o.serialize(),
            "sprite_name:,sprite_center:true,sprite_transparency: ,sprite_index:0,"
            "sprite_slowdown:1,sprite_slowdown_count:0,x_direction:0,y_direction:-1,"
            "speed:0.333333,");
  EXPECT_EQ(o.serialize(true).substr(0, id.size()), id);
}

TEST(SerializeItems, NumbersAreWrittenAsTheDefaultStreamWritesThem) {
  for (float f : {0.99f, -0.5f, 10.0f, 1.0f / 3, 1e-5f, 123456.0f, 1234567.0f, 1e20f, -0.0f,
                  FLT_MIN, FLT_MAX}) {
    std::string text;
    vt::writeItem(text, "k", f);
    EXPECT_EQ(text, "k:" + vt::toString(f) + ",");
  }
  std::string text;
  vt::writeItem(text, "k", INT_MIN);
  EXPECT_EQ(text, "k:" + vt::toString(INT_MIN) + ",");
}

TEST_F(SerializeTest, ViewObjectItemsFollowAndLocationMinusOneIsRefused) {
  vt::ViewObject v;
  std::string all = v.serialize();
  EXPECT_EQ(all.substr(all.find("y_acceleration:0,")),
            "y_acceleration:0,view_string:,value:0,border:true,color:7,location:1,"
            "draw_value:true,");
  v.setPosition(Vector(5, 5));
  EXPECT_EQ(v.serialize(), "pos-x:5,pos-y:5,location:-1,");

  vt::ViewObject copy;
  copy.setBorder(false);
  copy.deserialize("location:-1,");
  EXPECT_EQ(copy.getLocation(), vt::TOP_CENTER);
  EXPECT_EQ(copy.getPosition(), Vector(37.5f, 0));
  EXPECT_TRUE(logged({"ViewObject::setLocation(): Location out of range (-1).  Ignored."}));
}

TEST_F(SerializeTest, ReadingAppliesEachItemAndLogsItAtLevelTen) {
  Probe o;
  o.registerInterest("vt::step");
  o.registerInterest("game::ping");
  o.setSpeed(2);
  vt::LogManager::getInstance().setLogLevel(10);
  EXPECT_EQ(o.deserialize("event_count:0,box-corner-x:-0.5,pos-x:1.5,x_direction:0,y_direction:1,"
                          "sprite_name:ghost,sprite_transparency:0,color:99,"),
            0);
  EXPECT_EQ(o.getEventCount(), 0);
  EXPECT_EQ(deliver(vt::GameManager::getInstance(), "vt::step") + deliver(world(), "game::ping"),
            0);
  EXPECT_EQ(o.getSpriteName(), "ghost");
  EXPECT_EQ(o.getSprite(), nullptr);
  EXPECT_EQ(o.getDirection(), Vector(0, 1));
  EXPECT_EQ(o.getSpeed(), 2);  // a change of direction alone keeps the speed
  EXPECT_EQ(o.getTransparency(), '\0');
  EXPECT_EQ(o.getBox().getCorner(), Vector(-0.5f, -0.5f));
  EXPECT_EQ(o.getPosition(), Vector());
  std::string ghost = "Object %d (Object), Sprite 'ghost' not found";
  ghost.replace(ghost.find("%d"), 2, std::to_string(o.getId()));
  EXPECT_TRUE(logged({"Object::deserialize(): event_count is 0",
                      "Object::deserialize(): box-corner-x is -0.5",
                      "Object::deserialize(): box not complete, so ignoring.",
                      "Object::deserialize(): pos-x is 1.5",
                      "Object::deserialize(): position not complete, so ignoring.",
                      "Object::deserialize(): sprite_name is 'ghost'", "Object::Match(): " + ghost,
                      "Object::deserialize(): sprite_transparency is '0'",
                      "Object::deserialize(): y_direction is 1.00"}));

  // Integer texts read as before; an empty text does not reuse an older parse.
  o.deserialize(
      "box-corner-x:2,box-corner-y:3,box-horizontal:4,box-vertical:5,pos-x:3,"
      "pos-y:4,fpos-x:3.5,fpos-y:4.5,altitude:7,");
  o.deserialize("");
  EXPECT_EQ(o.getBox().getCorner(), Vector(2, 3));
  EXPECT_EQ(o.getBox().getHorizontal(), 4);
  EXPECT_EQ(o.getPosition(), Vector(3, 4));
  EXPECT_EQ(vt_test::count(vt_test::readLines("vantle.log"), "Object::deserialize(): pos-x is 3"),
            1);
  o.deserialize("pos-x:nan,pos-y:1e40,event_count:2000000000,");
  EXPECT_EQ(o.getPosition(), Vector());
}

TEST_F(SerializeTest, ObjectsRoundTripIntoFreshObjects) {
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  ASSERT_EQ(resources.startUp(), 0);
  vt_test::writeFile("hero.txt",
                     "frames 2\nwidth 3\nheight 2\ncolor yellow\n"
                     ".o.\n-+-\nend\n(o)\n| |\nend\neof\n");
  ASSERT_EQ(resources.loadSprite("hero.txt", "hero"), 0);

  auto a = std::make_unique<vt::Object>();
  a->setSprite(resources.getSprite("hero"));
  a->setCentered(false);
  a->setTransparency('#');
  a->setSpriteIndex(1);
  a->setSpriteSlowdown(3);
  a->setSpriteSlowdownCount(2);
  a->setBox(vt::Box(Vector(-0.5f, -1.25f), 2.5f, 3.75f));
  a->setPosition(Vector(10.25f, -3.5f));
  a->setDirection(Vector(0.6f, 0.8f));
  a->setSpeed(2.5f);
  a->setAcceleration(Vector(0.125f, -0.5f));
  a->setType("Hero");
  a->setAltitude(0);
  a->setSolidness(vt::SOFT);
  a->setNoSoft(true);
  a->setVisible(false);
  a->setActive(false);
  for (const char* type : {"vt::step", "vt::keyboard", "game::ping"}) a->registerInterest(type);
  std::string text = a->serialize(true);
  int id = a->getId();
  a.reset();

  Probe b;
  b.deserialize(text);
  EXPECT_EQ(b.serialize(true), text);
  EXPECT_TRUE(vt::objectExists(&b, id));
  EXPECT_EQ(b.getSprite(), resources.getSprite("hero"));
  EXPECT_EQ(b.getBox().getCorner(), Vector(-0.5f, -1.25f));
  EXPECT_EQ(b.getPosition(), Vector(10.25f, -3.5f));
  EXPECT_EQ(listsOf(&b), "i");
  b.setVisible(true);
  b.setActive(true);
  EXPECT_EQ(listsOf(&b), "as0");
  vt::EventKeyboard key;
  EXPECT_EQ(deliver(vt::GameManager::getInstance(), "vt::step") + deliver(world(), "game::ping") +
                vt::InputManager::getInstance().onEvent(&key),
            3);

  vt::ViewObject framed, placed;
  for (vt::ViewObject* v : {&framed, &placed}) {
    v->setViewString("Keys");
    v->setValue(-3);
    v->setColor(vt::RED);
    v->setBorder(false);
    v->setDrawValue(false);
    v->setAltitude(3);
  }
  framed.setLocation(vt::BOTTOM_RIGHT);
  placed.setPosition(Vector(5.25f, 7.5f));
  for (vt::ViewObject* v : {&framed, &placed}) {
    std::string view_text = v->serialize(true);
    vt::ViewObject copy;
    copy.deserialize(view_text);
    EXPECT_EQ(copy.serialize(true), view_text);
    EXPECT_EQ(copy.getDrawValue(), false);
    EXPECT_EQ(listsOf(&copy), "a3");
    vt::EventView lower("Keys", -1, true);
    EXPECT_EQ(world().onEvent(&lower), 3);  // both originals and the copy
  }
}
