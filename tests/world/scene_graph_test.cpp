#include <gtest/gtest.h>

#include <cstdio>

#include "WorldTestSupport.h"

using namespace world_test;

namespace {
using SceneGraphTest = WorldTest;
}  // namespace

TEST_F(SceneGraphTest, ListsFollowTheObjectSettersAndIdsCountFromZero) {
  Probe o;
  EXPECT_EQ(o.getId(), 0);
  delete new vt::Object;
  EXPECT_EQ(Probe().getId(), 2);
  std::vector<std::string> seen = {listsOf(&o)};
  o.setSolidness(vt::SPECTRAL);
  seen.push_back(listsOf(&o));
  o.setAltitude(4);
  seen.push_back(listsOf(&o));
  o.setVisible(false);
  o.setAltitude(3);
  seen.push_back(listsOf(&o));
  o.setVisible(true);
  seen.push_back(listsOf(&o));
  o.setSolidness(vt::SOFT);
  o.setActive(false);
  seen.push_back(listsOf(&o));
  EXPECT_EQ(o.setAltitude(1), 0);  // stored, and used once active again
  Probe later;
  EXPECT_EQ(o.setActive(true), 0);
  seen.push_back(listsOf(&o));
  EXPECT_EQ(seen, (std::vector<std::string>{"as2", "a2", "a4", "a", "a3", "i", "as1"}));
  vt::ObjectList active = graph().activeObjects();
  EXPECT_EQ(vt::ObjectListIterator(&active).currentObject(), &later);  // o went to the end
}

TEST_F(SceneGraphTest, RefusalsKeepTheOldValueAndSayWhy) {
  Probe o;
  EXPECT_EQ(o.setAltitude(5), -1);
  EXPECT_EQ(o.setAltitude(-1), -1);
  EXPECT_EQ(o.setSolidness(static_cast<vt::Solidness>(3)), -1);
  EXPECT_EQ(o.getAltitude(), 2);
  EXPECT_EQ(o.getSolidness(), vt::HARD);
  EXPECT_TRUE(graph().visibleObjects(5).isEmpty());
  EXPECT_EQ(graph().updateAltitude(&o, 7), -1);

  Probe stranger;
  EXPECT_EQ(graph().removeObject(&stranger), 0);
  EXPECT_EQ(graph().removeObject(&stranger), -1);
  char address[32];
  std::snprintf(address, sizeof address, "%p", static_cast<void*>(&stranger));
  EXPECT_TRUE(
      logged({"Object::setAltitude(): Altitude 5 not in range [0,4].  Ignored.",
              "Object::setAltitude(): Altitude -1 not in range [0,4].  Ignored.",
              "Object::setSolidness(): Solidness 3 not one of HARD, SOFT or SPECTRAL.",
              "SceneGraph::visibleObjects(): Altitude 5 not in [0,4]!",
              "SceneGraph::updateAltitude(): New altitude 7 not in [0,4]!  No update.",
              std::string("SceneGraph::removeObject(): error removing object!  Pointer is ") +
                  address + "."}));
}

TEST_F(SceneGraphTest, ObjectsMadeBeforeStartUpStayOutOfTheWorld) {
  world().shutDown();
  vt::LogManager::getInstance().setLogLevel(2);
  {
    Probe outsider;
    // Deactivating fails and must not leave the object in the inactive list.
    EXPECT_EQ(outsider.setActive(false), -1);
    EXPECT_TRUE(outsider.isActive());
    EXPECT_TRUE(world().getAllObjects(true).isEmpty());
  }
  EXPECT_TRUE(logged({"WorldManager::insertObject(): Not adding Object 0",
                      "                              because WorldManager not started.",
                      "SceneGraph::updateActive(): remove object (Object) failed for objects!"}));
  world().startUp();
}
