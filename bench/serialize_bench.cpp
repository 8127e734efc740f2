// Writing an object's whole line and reading it back into another object,
// with the world started so that the setters reach the scene graph and the
// interest tables as they do in a game.
#include <benchmark/benchmark.h>

#include "vantle.h"

namespace {

vt::WorldManager& startedWorld() {
  vt::WorldManager& world = vt::WorldManager::getInstance();
  if (!world.isStarted()) {
    world.startUp();
    world.setBoundary(vt::Box(vt::Vector(), 125, 100));
    world.setView(vt::Box(vt::Vector(), 75, 20));
  }
  return world;
}

// An object with every attribute away from its default.
void dress(vt::Object& o) {
  o.setPosition(vt::Vector(10.25f, 3.5f));
  o.setBox(vt::Box(vt::Vector(-0.5f, -1.25f), 2.5f, 3.75f));
  o.setDirection(vt::Vector(0.6f, 0.8f));
  o.setSpeed(2.5f);
  o.setAcceleration(vt::Vector(0.125f, -0.5f));
  o.setType("Hero");
  o.setAltitude(3);
  o.setSolidness(vt::SOFT);
  o.setNoSoft(true);
  o.setTransparency('#');
  o.registerInterest("vt::step");
  o.registerInterest("vt::keyboard");
}

void BM_ObjectSerializeAll(benchmark::State& state) {
  startedWorld();
  vt::Object o;
  dress(o);
  for (auto _ : state) benchmark::DoNotOptimize(o.serialize(true));
}
BENCHMARK(BM_ObjectSerializeAll);

void BM_ObjectDeserialize(benchmark::State& state) {
  startedWorld();
  vt::Object source;
  dress(source);
  std::string text = source.serialize(true);
  vt::Object target;
  for (auto _ : state) benchmark::DoNotOptimize(target.deserialize(text));
}
BENCHMARK(BM_ObjectDeserialize);

void BM_ViewObjectRoundTrip(benchmark::State& state) {
  startedWorld();
  vt::ViewObject source;
  source.setViewString("Keys");
  source.setValue(3);
  source.setLocation(vt::TOP_LEFT);
  vt::ViewObject target;
  for (auto _ : state) benchmark::DoNotOptimize(target.deserialize(source.serialize(true)));
}
BENCHMARK(BM_ViewObjectRoundTrip);

}  // namespace
