
#include "WorldTestSupport.h"
#include "core/InterestTable.h"

using namespace world_test;
using Items = std::vector<vt::Object*>;

namespace {
using InterestTest = WorldTest;

vt::GameManager& game() { return vt::GameManager::getInstance(); }

Items items(const vt::ObjectList& list) {
  Items out;
  for (vt::ObjectListIterator it(&list); !it.isDone(); it.next()) out.push_back(it.currentObject());
  return out;
}
}  // namespace

TEST_F(InterestTest, ListsRemoveTheFirstOccurrenceInOrderAndCopiesAreSnapshots) {
  Probe a, b, c;
  vt::ObjectList list, small;
  for (vt::Object* p : {&a, &b, &c, &b}) list.insert(p);
  vt::ObjectList copy = list;
  EXPECT_EQ(list.remove(&b), 0);
  EXPECT_EQ(items(list), (Items{&a, &c, &b}));
  small.insert(&c);
  EXPECT_EQ(items(small + list), (Items{&c, &a, &c, &b}));
  small = copy;  // grows to take it
  EXPECT_EQ(items(small), (Items{&a, &b, &c, &b}));
}

TEST_F(InterestTest, SceneGraphListsFollowTheObjectSettersAndIdsCountFromZero) {
  Probe o;
  EXPECT_EQ(o.getId(), 0);
  delete new vt::Object;
  EXPECT_EQ(Probe().getId(), 2);
  Strings seen;
  auto note = [&] { seen.push_back(listsOf(&o)); };
  note();
  o.setSolidness(vt::SPECTRAL), note();
  o.setAltitude(4), note();
  o.setVisible(false), o.setAltitude(3), note();
  o.setVisible(true), note();
  o.setSolidness(vt::SOFT), o.setActive(false), note();
  EXPECT_EQ(o.setAltitude(1), 0);  // stored, and used once active again
  Probe later;
  EXPECT_EQ(o.setActive(true), 0);
  note();
  EXPECT_EQ(o.setAltitude(5) + o.setSolidness(static_cast<vt::Solidness>(3)), -2);
  note();
  EXPECT_EQ(seen, (Strings{"as2", "a2", "a4", "a", "a3", "i", "as1", "as1"}));
  EXPECT_EQ(items(world().getSceneGraph().activeObjects()).front(), &later);  // o went last
  EXPECT_TRUE(logged({"Object::setAltitude(): Altitude 5 not in range [0,4].  Ignored.",
                      "Object::setSolidness(): Solidness 3 not one of HARD, SOFT or SPECTRAL."}));
}

TEST_F(InterestTest, ObjectsMadeBeforeStartUpStayOutOfTheWorld) {
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
                      "SceneGraph::updateActive(): remove object (Object) failed for objects!"}));
  world().startUp();
}

TEST_F(InterestTest, ObjectsAskTheRightManagerForAtMostAHundredTypes) {
  vt::LogManager::getInstance().setLogLevel(1);
  Probe o;
  EXPECT_EQ(o.registerInterest("vt::collision") + o.unregisterInterest("vt::step"), -2);
  EXPECT_EQ(world().registerInterest(&o, "vt::step"), -1);
  for (const char* type : {"vt::step", "vt::keyboard", "vt::undefined"}) o.registerInterest(type);
  for (int i = 3; i < vt::MAX_OBJ_EVENTS; i++)
    EXPECT_EQ(o.registerInterest("game::" + std::to_string(i)), 0);
  EXPECT_EQ(o.registerInterest("one too many"), -1);
  EXPECT_EQ(o.unregisterInterest("vt::step"), 0);
  EXPECT_EQ(o.getEventName(0), "vt::keyboard");
  vt::Event undefined;
  EXPECT_EQ(deliver(game(), "vt::step"), 0);
  EXPECT_EQ(deliver(vt::InputManager::getInstance(), "vt::keyboard") + world().onEvent(&undefined),
            2);  // the undefined type is still delivered
  EXPECT_TRUE(logged({"WorldManager::isValid(): WorldManager does not handle vt::step",
                      "Object::registerInterest(): maximum (100) reached, cannot register for "
                      "event 'one too many'",
                      "WorldManager::onEvent(): Warning! Event type is undefined."}));
}

TEST_F(InterestTest, TableHoldsAHundredTypesAndClosesGapsOnRemoval) {
  Probe a("a"), b("b");
  for (int i = 0; i < vt::MAX_EVENTS; i++)
    ASSERT_EQ(a.registerInterest("t" + std::to_string(i)), 0);
  EXPECT_EQ(b.registerInterest("t100"), -1);
  EXPECT_EQ(b.registerInterest("t7"), 0);  // known types still take objects
  EXPECT_EQ(a.unregisterInterest("t50"), 0);
  EXPECT_EQ(b.registerInterest("t100"), 0);
  std::vector<int> delivered;
  for (const char* type : {"t50", "t99", "t100", "t7"}) delivered.push_back(deliver(world(), type));
  EXPECT_EQ(delivered, (std::vector<int>{0, 1, 1, 2}));
  EXPECT_EQ(journal, (Strings{"a t99", "b t100", "a t7", "b t7"}));
  EXPECT_EQ(vt::interestType(world(), 50) + vt::interestType(world(), 99), "t51t100");
  EXPECT_EQ(world().unregisterInterest(&b, "t50") + world().unregisterInterest(&b, "t99"), -2);
}

TEST_F(InterestTest, DeliveryWalksTheActiveRegistrationsItStartedWith) {
  Probe first("first"), leaver("leaver"), twice("twice"), idle("idle");
  Probe* p_late = nullptr;
  Probe* p_doomed = new Probe("doomed");
  first.reaction = [&](const vt::Event*) {
    if (!p_late) p_late = new Probe("late");
    p_late->registerInterest("vt::step");
    delete p_doomed;  // outright, while it waits in the snapshot
    p_doomed = nullptr;
  };
  leaver.reaction = [&](const vt::Event*) { leaver.unregisterInterest("vt::step"); };
  twice.reaction = [&](const vt::Event*) { first.reaction = nullptr; };
  for (Probe* p : {&first, p_doomed, &idle, &leaver, &twice, &twice})
    p->registerInterest("vt::step");
  idle.setActive(false);
  EXPECT_EQ(deliver(game(), "vt::step"), 4);
  EXPECT_EQ(deliver(game(), "vt::step"), 4);
  EXPECT_EQ(journal,
            (Strings{"first vt::step", "leaver vt::step", "twice vt::step", "twice vt::step",
                     "first vt::step", "twice vt::step", "twice vt::step", "late vt::step"}));
}
