#include <gtest/gtest.h>

#include "WorldTestSupport.h"
#include "core/InterestTable.h"

using namespace world_test;
using Strings = std::vector<std::string>;

namespace {
class InterestTest : public WorldTest {
 protected:
  static vt::GameManager& game() { return vt::GameManager::getInstance(); }
};
}  // namespace

TEST_F(InterestTest, ObjectsAskTheRightManagerForAtMostAHundredTypes) {
  vt::LogManager::getInstance().setLogLevel(1);
  Probe o;
  EXPECT_EQ(o.registerInterest("vt::collision"), -1);
  EXPECT_EQ(o.unregisterInterest("vt::step"), -1);
  EXPECT_EQ(world().registerInterest(&o, "vt::step"), -1);
  EXPECT_EQ(world().registerInterest(nullptr, "game::new"), -1);
  for (const char* type : {"vt::step", "vt::keyboard", "vt::undefined"})
    EXPECT_EQ(o.registerInterest(type), 0);
  for (int i = 3; i < vt::MAX_OBJ_EVENTS; i++)
    EXPECT_EQ(o.registerInterest("game::" + std::to_string(i)), 0);
  EXPECT_EQ(o.registerInterest("one too many"), -1);
  EXPECT_EQ(o.unregisterInterest("vt::step"), 0);
  EXPECT_EQ(o.getEventName(0), "vt::keyboard");
  EXPECT_EQ(o.getEventCount(), vt::MAX_OBJ_EVENTS - 1);
  vt::Event undefined;
  EXPECT_EQ(deliver(game(), "vt::step") + deliver(world(), "game::new"), 0);
  EXPECT_EQ(deliver(vt::InputManager::getInstance(), "vt::keyboard") + world().onEvent(&undefined),
            2);  // the undefined type is still delivered
  EXPECT_TRUE(logged({"WorldManager::isValid(): Event vt::collision handled automatically.",
                      "WorldManager::isValid(): WorldManager does not handle vt::step",
                      "Object::unregisterInterest(): event 'vt::step' not previously registered",
                      "Object::registerInterest(): maximum (100) reached, cannot register for "
                      "event 'one too many'",
                      "WorldManager::onEvent(): Warning! Event type is undefined."}));
}

TEST_F(InterestTest, DuplicatesReceiveTwiceAndInactiveObjectsNothing) {
  Probe a("a"), b("b");
  for (Probe* p : {&a, &a, &b}) p->registerInterest("vt::step");
  EXPECT_EQ(deliver(game(), "vt::step"), 3);
  a.unregisterInterest("vt::step");
  b.setActive(false);
  EXPECT_EQ(deliver(game(), "vt::step"), 1);
  b.setActive(true);
  EXPECT_EQ(deliver(game(), "vt::step"), 2);
  EXPECT_EQ(journal, (Strings{"a vt::step", "a vt::step", "b vt::step", "a vt::step", "a vt::step",
                              "b vt::step"}));
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
  EXPECT_EQ(vt::interestType(world(), 50), "t51");
  EXPECT_EQ(vt::interestType(world(), 99), "t100");
  EXPECT_EQ(world().unregisterInterest(&b, "t50"), -1);
  EXPECT_EQ(world().unregisterInterest(&b, "t99"), -1);
}

TEST_F(InterestTest, DeliveryWalksTheRegistrationsItStartedWith) {
  Probe first("first"), leaver("leaver"), victim("victim");
  Probe* p_late = nullptr;
  Probe* p_doomed = new Probe("doomed");
  first.reaction = [&](const vt::Event*) {
    if (!p_late) p_late = new Probe("late");
    p_late->registerInterest("vt::step");
    delete p_doomed;  // outright, while it waits in the snapshot
    p_doomed = nullptr;
  };
  leaver.reaction = [&](const vt::Event*) { leaver.unregisterInterest("vt::step"); };
  victim.reaction = [&](const vt::Event*) { first.reaction = nullptr; };
  for (Probe* p : {&first, p_doomed, &leaver, &victim}) p->registerInterest("vt::step");
  EXPECT_EQ(deliver(game(), "vt::step"), 3);
  EXPECT_EQ(deliver(game(), "vt::step"), 3);
  EXPECT_EQ(journal, (Strings{"first vt::step", "leaver vt::step", "victim vt::step",
                              "first vt::step", "victim vt::step", "late vt::step"}));
}
