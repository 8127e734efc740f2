
#include "WorldTestSupport.h"

using namespace world_test;
using vt::Vector;

using WorldManagerTest = WorldTest;

// Collisions, out-of-world events and moves are compared with the plain scan
// on random worlds in world_update_test.cpp.

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
