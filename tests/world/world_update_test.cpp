// The indexed world against the plain scan of every solid object, on random
// worlds whose objects change box, solidness, activity and place between
// frames; and the deletion walk, which deletes every marked object once.

#include <cstdio>

#include "LinearWorld.h"
#include "WorldTestSupport.h"

using namespace world_test;

namespace {

std::string exact(vt::Vector v) {
  char text[64];
  snprintf(text, sizeof text, "%a,%a", static_cast<double>(v.getX()),
           static_cast<double>(v.getY()));
  return text;
}

// Notes the collision and out-of-world events it receives by the movers' numbers.
class Mover : public vt::Object {
 public:
  Mover(int init_number, std::vector<std::string>& init_notes)
      : number(init_number), notes(init_notes) {}
  int eventHandler(const vt::Event* p_e) override {
    if (auto* p_c = dynamic_cast<const vt::EventCollision*>(p_e))
      notes.push_back(std::to_string(number) + " met " +
                      std::to_string(static_cast<Mover*>(p_c->getObject1())->number) + ">" +
                      std::to_string(static_cast<Mover*>(p_c->getObject2())->number) + " at " +
                      exact(p_c->getPosition()));
    if (p_e->getType() == vt::OUT_EVENT) notes.push_back(std::to_string(number) + " out");
    return 1;
  }
  int number;
  std::vector<std::string>& notes;
};

float pick(std::mt19937& rng, float low, float high) {
  return std::uniform_real_distribution<float>(low, high)(rng);
}

// One random change: boxes from a point to larger than the world, places in
// and out of the 40 by 30 world (some very far), on cells and between them.
void change(Mover* p_m, std::mt19937& rng) {
  switch (rng() % 6) {
    case 0: {
      float h = rng() % 4 == 0 ? pick(rng, 8, 20) : rng() % 3 == 0 ? -1 : pick(rng, 0, 3);
      float v = rng() % 8 == 0 ? 90 : pick(rng, 0, 3);
      p_m->setBox(vt::Box(vt::Vector(pick(rng, -2, 0), pick(rng, -2, 0)), h * v / 3, v));
      break;
    }
    case 1:
      p_m->setSolidness(static_cast<vt::Solidness>(rng() % 3));
      p_m->setNoSoft(rng() % 4 == 0);
      break;
    case 2:
      p_m->setActive(!p_m->isActive());
      break;
    case 3: {
      float x = rng() % 2 ? std::floor(pick(rng, -4, 44)) : pick(rng, -4, 44);
      if (rng() % 10 == 0) x = 3e9f;
      p_m->setPosition(vt::Vector(x, pick(rng, -4, 34)));
      break;
    }
    default:
      p_m->setVelocity(vt::Vector(pick(rng, -1.5f, 1.5f), pick(rng, -1.5f, 1.5f)));
      if (rng() % 5 == 0) p_m->setAcceleration(vt::Vector(pick(rng, -0.1f, 0.1f), 0));
  }
}

// Thirty frames of a random world stepped by step, the view following one
// mover or another: every event, and every mover's place and the view's
// after each frame.
std::vector<std::string> play(unsigned seed, void (*step)()) {
  std::mt19937 rng(seed);
  std::vector<std::string> notes;
  std::vector<Mover*> movers;
  int count = 20 + static_cast<int>(rng() % 60);
  for (int i = 0; i < count; i++) {
    movers.push_back(new Mover(i, notes));
    for (int k = 0; k < 4; k++) change(movers.back(), rng);
  }
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setView(vt::Box(vt::Vector(), 20, 10));
  for (int frame = 0; frame < 30; frame++) {
    for (int k = 0; k < 6; k++) change(movers[rng() % movers.size()], rng);
    if (frame % 10 == 0) world.setViewFollowing(movers[rng() % movers.size()]);
    notes.push_back("frame " + std::to_string(frame));
    step();
    for (Mover* p_m : movers) notes.push_back(exact(p_m->getPosition()));
    notes.push_back("view " + exact(world.getView().getCorner()));
  }
  for (Mover* p_m : movers) delete p_m;
  return notes;
}

// Destructors that mark a partner, or the object itself, for deletion.
class Linked : public vt::Object {
 public:
  ~Linked() override {
    deleted++;
    if (p_partner) vt::WorldManager::getInstance().markForDelete(p_partner);
    if (marks_itself) vt::WorldManager::getInstance().markForDelete(this);
  }
  Linked* p_partner = nullptr;
  bool marks_itself = false;
  static inline int deleted = 0;
};

using WorldUpdateTest = WorldTest;

}  // namespace

TEST_F(WorldUpdateTest, RandomWorldsCollideAsThePlainScanDoes) {
  world().setBoundary(vt::Box(vt::Vector(), 40, 30));
  for (unsigned seed = 1; seed <= 40; seed++) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::vector<std::string> indexed = play(seed, [] { vt::WorldManager::getInstance().update(); });
    ASSERT_EQ(indexed, play(seed, linearUpdate));
  }
}

TEST_F(WorldUpdateTest, MarkedObjectsAreDeletedOnceWhateverTheirDestructorsMark) {
  auto* p_a = new Linked;
  auto* p_b = new Linked;
  p_a->p_partner = p_b;  // b, marked by a's destructor, marks a back
  p_b->p_partner = p_a;
  auto* p_self = new Linked;
  p_self->marks_itself = true;
  auto* p_outright = new Linked;
  for (vt::Object* p_o : {static_cast<vt::Object*>(p_a), static_cast<vt::Object*>(p_self),
                          static_cast<vt::Object*>(p_outright), static_cast<vt::Object*>(p_a)})
    EXPECT_EQ(world().markForDelete(p_o), 0);
  EXPECT_EQ(world().markForDelete(nullptr), -1);
  EXPECT_TRUE(
      logged({"WorldManager::markForDelete(): unable to add object (nil) to deletions list"}));
  delete p_outright;
  world().update();
  EXPECT_EQ(Linked::deleted, 4);
  EXPECT_TRUE(world().getAllObjects(true).isEmpty());
  world().update();
  EXPECT_EQ(Linked::deleted, 4);
}

TEST_F(WorldUpdateTest, MotionsThatWouldLeaveTheFiniteRangeAreRefused) {
  const char* const texts[] = {
      "pos-x:3.4e38,pos-y:3.4e38,x_direction:1,y_direction:1,speed:3e38,",
      "x_acceleration:3e38,y_acceleration:3e38,x_direction:1,speed:1,pos-x:10,pos-y:10,",
  };
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    vt::Object* p_o = new vt::Object;
    p_o->deserialize(text);
    for (int frame = 0; frame < 30; frame++) world().update();
    for (vt::Vector v : {p_o->getPosition(), p_o->getDirection(), p_o->getAcceleration(),
                         vt::Vector(p_o->getSpeed(), 0)})
      EXPECT_TRUE(std::isfinite(v.getX()) && std::isfinite(v.getY()));
    std::string once = p_o->serialize(true);
    vt::Object copy;
    copy.deserialize(once);
    EXPECT_EQ(copy.serialize(true), once);
    delete p_o;
  }
  EXPECT_TRUE(logged(
      {"WorldManager::moveObject(): Object 0 (Object), a position that is not finite.  Ignored."}));
}
