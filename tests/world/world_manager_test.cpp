#include <gtest/gtest.h>

#include "WorldTestSupport.h"

using namespace world_test;
using vt::Vector;

using WorldManagerTest = WorldTest;

TEST_F(WorldManagerTest, HardBlocksHardAndEveryCollisionIsReportedMoverFirst) {
  Probe mover("mover", Vector(1, 1)), wall("wall", Vector(2, 1)), twin("twin", Vector(2, 1));
  std::vector<Vector> at;
  mover.reaction = [&](const vt::Event* p_e) {
    at.push_back(static_cast<const vt::EventCollision*>(p_e)->getPosition());
  };
  EXPECT_EQ(world().moveObject(&mover, Vector(2, 1)), -1);
  EXPECT_EQ(mover.getPosition(), Vector(1, 1));
  EXPECT_EQ(journal, (std::vector<std::string>{"mover vt::collision", "wall vt::collision",
                                               "mover vt::collision", "twin vt::collision"}));
  EXPECT_EQ(at, (std::vector<Vector>{Vector(2, 1), Vector(2, 1)}));
  EXPECT_EQ(world().getCollisions(&mover, Vector(2, 1)).getCount(), 2);
  EXPECT_EQ(world().getCollisions(&mover, Vector(3, 1)).getCount(), 0);
}

TEST_F(WorldManagerTest, SoftAndSpectralDoNotBlockAndNoSoftTreatsSoftAsHard) {
  Probe hard("hard", Vector(1, 1)), soft("soft", Vector(2, 1)), ghost("ghost", Vector(5, 5));
  soft.setSolidness(vt::SOFT);
  ghost.setSolidness(vt::SPECTRAL);
  hard.setNoSoft(true);
  EXPECT_EQ(world().moveObject(&hard, Vector(2, 1)), -1);
  hard.setNoSoft(false);
  EXPECT_EQ(world().moveObject(&hard, Vector(2, 1)), 0);
  EXPECT_EQ(world().moveObject(&soft, Vector(2, 1)), 0);  // SOFT into HARD moves too
  EXPECT_EQ(journal.size(), 6u);
  EXPECT_EQ(world().moveObject(&ghost, Vector(2, 1)), 0);
  EXPECT_EQ(world().moveObject(&hard, Vector(5, 5)), 0);  // nothing collides with it either
  EXPECT_EQ(journal.size(), 6u);

  Probe door("door", Vector(6, 5));  // a handler's change of solidness decides the move
  door.reaction = [&](const vt::Event*) { door.setSolidness(vt::SOFT); };
  EXPECT_EQ(world().moveObject(&hard, Vector(6, 5)), 0);
}

TEST_F(WorldManagerTest, OutEventOnlyWhenLeavingTheWorld) {
  Probe o("o", Vector(124, 10));  // at 125.4 its box still touches the edge
  for (float x : {125.4f, 126.0f, 127.0f, 124.0f, -2.0f}) world().moveObject(&o, Vector(x, 10));
  EXPECT_EQ(journal, (std::vector<std::string>{"o vt::out", "o vt::out"}));
}

TEST_F(WorldManagerTest, UpdateMovesByVelocityThenAccelerates) {
  Probe slow("slow", Vector(10, 5)), pushed("pushed", Vector(20, 5));
  slow.setVelocity(Vector(0.5f, 0));
  pushed.setAcceleration(Vector(0.1f, 0));
  world().update();
  world().update();
  EXPECT_EQ(slow.getPosition(), Vector(11, 5));
  EXPECT_FLOAT_EQ(pushed.getPosition().getX(), 20.1f);
}

TEST_F(WorldManagerTest, MarkedObjectsAreDeletedOnceAtTheEndOfUpdate) {
  Probe* p_o = new Probe;
  EXPECT_EQ(world().markForDelete(p_o), 0);
  EXPECT_EQ(world().markForDelete(p_o), 0);
  EXPECT_EQ(world().markForDelete(nullptr), -1);
  EXPECT_TRUE(
      logged({"WorldManager::markForDelete(): unable to add object (nil) to deletions list"}));
  world().update();
  EXPECT_TRUE(world().getAllObjects().isEmpty());

  Probe* p_gone = new Probe;
  world().markForDelete(p_gone);
  delete p_gone;  // deleted outright after marking: not deleted again
  world().update();
}

TEST_F(WorldManagerTest, HandlersMayCreateMarkAndDeleteDuringUpdate) {
  Probe* p_mover = new Probe("mover", Vector(1, 1));
  Probe* p_wall = new Probe("wall", Vector(2, 1));
  Probe* p_next = new Probe("next", Vector(30, 30));
  Probe* p_breaker = new Probe("breaker", Vector(40, 40));
  Probe* p_rock = new Probe("rock", Vector(41, 40));
  for (Probe* p : {p_mover, p_next, p_breaker}) p->setVelocity(Vector(1, 0));
  Probe* p_spawn = nullptr;
  p_wall->reaction = [&](const vt::Event*) {
    delete p_next;   // outright, while it waits in the update's copy
    delete p_mover;  // the mover, in the middle of its move
    p_spawn = new Probe("spawn", Vector(50, 50));
    p_spawn->setVelocity(Vector(1, 0));
    world().markForDelete(p_wall);
  };
  p_breaker->reaction = [&](const vt::Event*) { delete p_rock; };  // before it hears of it
  world().update();
  EXPECT_EQ(journal, (std::vector<std::string>{"mover vt::collision", "wall vt::collision",
                                               "breaker vt::collision"}));
  EXPECT_EQ(world().getAllObjects().getCount(), 2);  // the breaker and the spawn
  EXPECT_EQ(p_breaker->getPosition(), Vector(41, 40));
  EXPECT_EQ(p_spawn->getPosition(), Vector(50, 50));  // not in this update's copy
  world().update();
  EXPECT_EQ(p_spawn->getPosition(), Vector(51, 50));
}

TEST_F(WorldManagerTest, ViewFollowsWithSlack) {
  world().setViewSlack(Vector(1.0f / 3, 1.0f / 3));
  Probe hero("hero", Vector(10, 10)), idle("idle");
  idle.setActive(false);
  EXPECT_EQ(world().setViewFollowing(&idle), -1);
  EXPECT_EQ(world().setViewFollowing(&hero), 0);
  world().moveObject(&hero, Vector(40, 10));
  EXPECT_EQ(world().getView().getCorner(), Vector(0, 0));
  world().moveObject(&hero, Vector(63, 10));
  EXPECT_EQ(world().getView().getCorner(), Vector(13, 0));
  Probe* p_gone = new Probe("gone", Vector(100, 50));
  world().setViewFollowing(p_gone);
  EXPECT_EQ(world().getView().getCorner(), Vector(50, 40));
  delete p_gone;
  EXPECT_EQ(world().getViewFollowing(), nullptr);
}

TEST_F(WorldManagerTest, DrawWalksAltitudesAndSkipsObjectsOutsideTheView) {
  Probe high("high", Vector(5, 5)), low("low", Vector(74, 19)), mid("mid", Vector(6, 5));
  Probe outside("outside", Vector(90, 50)), hidden("hidden", Vector(7, 5));
  high.setAltitude(3);
  low.setAltitude(0);
  hidden.setVisible(false);
  mid.setVisible(true);  // once is enough
  world().draw();
  EXPECT_EQ(journal, (std::vector<std::string>{"low draw", "mid draw", "high draw"}));
}

TEST_F(WorldManagerTest, ShutDownDeletesEveryObjectActiveOrNot) {
  (new Probe("inactive"))->setActive(false);
  struct Owner : Probe {
    Probe* p_child = nullptr;
    ~Owner() override { delete p_child; }
  };
  Owner* p_parent = new Owner;
  p_parent->p_child = new Probe("child");
  EXPECT_EQ(world().getAllObjects(true).getCount(), 3);
  world().shutDown();
  EXPECT_EQ(world().getAllObjects(true).getCount(), 0);
  world().startUp();
}
