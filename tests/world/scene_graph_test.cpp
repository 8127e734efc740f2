#include <gtest/gtest.h>

#include <cstdio>

#include "WorldTestSupport.h"

using namespace world_test;
using Items = std::vector<vt::Object*>;

namespace {
using SceneGraphTest = WorldTest;

Items items(const vt::ObjectList& list) {
  Items out;
  for (vt::ObjectListIterator it(&list); !it.isDone(); it.next()) out.push_back(it.currentObject());
  return out;
}
}  // namespace

TEST_F(SceneGraphTest, ListsRemoveTheFirstOccurrenceInOrderAndCopiesAreSnapshots) {
  Probe a, b, c;
  vt::ObjectList list, small;
  EXPECT_EQ(list.insert(nullptr), -1);
  for (vt::Object* p : {&a, &b, &c, &b}) EXPECT_EQ(list.insert(p), 0);
  vt::ObjectList copy = list;
  EXPECT_EQ(list.remove(&b), 0);
  EXPECT_EQ(items(list), (Items{&a, &c, &b}));
  EXPECT_EQ(items(copy), (Items{&a, &b, &c, &b}));
  small.insert(&c);
  EXPECT_EQ(items(small + list), (Items{&c, &a, &c, &b}));
  vt::ObjectListIterator it(&small);
  it.next();
  it.next();  // never past the end
  EXPECT_EQ(it.currentObject(), nullptr);
  small = copy;  // grows to take it
  EXPECT_EQ(items(small), items(copy));
  list.clear();
  EXPECT_EQ(list.remove(&a), -1);
}

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
  EXPECT_EQ(items(graph().activeObjects()).front(), &later);  // o went to the end
}

TEST_F(SceneGraphTest, RefusalsKeepTheOldValueAndSayWhy) {
  Probe o, stranger;
  EXPECT_EQ(o.setAltitude(5), -1);
  EXPECT_EQ(o.setAltitude(-1), -1);
  EXPECT_EQ(o.setSolidness(static_cast<vt::Solidness>(3)), -1);
  EXPECT_EQ(listsOf(&o), "as2");
  EXPECT_TRUE(graph().visibleObjects(5).isEmpty());
  EXPECT_EQ(graph().removeObject(&stranger), 0);
  EXPECT_EQ(graph().removeObject(&stranger), -1);
  char address[32];
  std::snprintf(address, sizeof address, "%p", static_cast<void*>(&stranger));
  EXPECT_TRUE(
      logged({"Object::setAltitude(): Altitude 5 not in range [0,4].  Ignored.",
              "Object::setAltitude(): Altitude -1 not in range [0,4].  Ignored.",
              "Object::setSolidness(): Solidness 3 not one of HARD, SOFT or SPECTRAL.",
              "SceneGraph::visibleObjects(): Altitude 5 not in [0,4]!",
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
