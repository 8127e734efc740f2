#include <gtest/gtest.h>

#include "WorldTestSupport.h"

using namespace world_test;
using vt::Vector;

using WorldManagerTest = WorldTest;

TEST_F(WorldManagerTest, SolidnessDecidesTheMoveAndEachCollisionIsReportedMoverFirst) {
  const Strings both = {"mover vt::collision", "wall vt::collision", "mover vt::collision",
                        "twin vt::collision"};
  struct {
    vt::Solidness mover, walls;
    bool no_soft, moves;
  } cases[] = {{vt::HARD, vt::HARD, false, false},    {vt::HARD, vt::SOFT, true, false},
               {vt::HARD, vt::SOFT, false, true},     {vt::SOFT, vt::HARD, true, true},
               {vt::SPECTRAL, vt::HARD, false, true}, {vt::HARD, vt::SPECTRAL, false, true}};
  for (const auto& c : cases) {
    journal.clear();
    Probe mover("mover", Vector(1, 1)), wall("wall", Vector(2, 1)), twin("twin", Vector(2, 1));
    mover.setSolidness(c.mover);
    mover.setNoSoft(c.no_soft);
    wall.setSolidness(c.walls);
    twin.setSolidness(c.walls);
    EXPECT_EQ(world().moveObject(&mover, Vector(2, 1)), c.moves ? 0 : -1);
    EXPECT_EQ(mover.getPosition(), c.moves ? Vector(2, 1) : Vector(1, 1));
    bool collide = c.mover != vt::SPECTRAL && c.walls != vt::SPECTRAL;
    EXPECT_EQ(journal, collide ? both : Strings{}) << c.mover << c.walls;
    EXPECT_EQ(world().getCollisions(&mover, Vector(2, 1)).getCount(),
              c.walls == vt::SPECTRAL ? 0 : 2);
  }
  Probe door("door", Vector(6, 5)), hero("hero", Vector(5, 5));
  Vector at;
  hero.reaction = [&](const vt::Event* p_e) {
    at = static_cast<const vt::EventCollision*>(p_e)->getPosition();
  };
  door.reaction = [&](const vt::Event*) { door.setSolidness(vt::SOFT); };  // lets it through
  EXPECT_EQ(world().moveObject(&hero, Vector(6, 5)), 0);
  EXPECT_EQ(at, Vector(6, 5));
}

TEST_F(WorldManagerTest, OutEventOnlyWhenLeavingTheWorld) {
  Probe o("o", Vector(124, 10));  // at 125.4 its box still touches the edge
  for (float x : {125.4f, 126.0f, 127.0f, 124.0f, -2.0f}) world().moveObject(&o, Vector(x, 10));
  EXPECT_EQ(journal, (Strings{"o vt::out", "o vt::out"}));
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
  EXPECT_EQ(world().markForDelete(p_o) + world().markForDelete(p_o), 0);
  EXPECT_EQ(world().markForDelete(nullptr), -1);
  EXPECT_TRUE(
      logged({"WorldManager::markForDelete(): unable to add object (nil) to deletions list"}));
  Probe* p_gone = new Probe;
  world().markForDelete(p_gone);
  delete p_gone;  // deleted outright after marking: not deleted again
  world().update();
  EXPECT_TRUE(world().getAllObjects().isEmpty());
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
  EXPECT_EQ(journal,
            (Strings{"mover vt::collision", "wall vt::collision", "breaker vt::collision"}));
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
  world().setBoundary(vt::Box(Vector(), 50, 100));  // narrower than the view: it starts at 0
  world().setViewFollowing(&hero);
  EXPECT_EQ(world().getView().getCorner(), Vector(0, 0));
}

TEST_F(WorldManagerTest, DrawWalksAltitudesAndSkipsObjectsOutsideTheView) {
  Probe high("high", Vector(5, 5)), low("low", Vector(74, 19)), mid("mid", Vector(6, 5));
  Probe outside("outside", Vector(90, 50)), hidden("hidden", Vector(7, 5));
  high.setAltitude(3);
  low.setAltitude(0);
  hidden.setVisible(false);
  mid.setVisible(true);  // once is enough
  vt::ViewObject hud;    // placed in the view, wherever the view is
  hud.setPosition(Vector(100, 60));
  world().draw();
  EXPECT_EQ(journal, (Strings{"low draw", "mid draw", "high draw"}));
  EXPECT_TRUE(logged({"GraphicsManager not started!"}));  // the head-up display tried
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
