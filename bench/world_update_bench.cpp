// One world update with many moving HARD objects of one cell each, scattered
// at random over a 1000 by 1000 world: the indexed world, and beside it the
// plain scan of every solid object the index replaced.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "../tests/world/LinearWorld.h"
#include "vantle.h"

namespace {

const float SIDE = 1000;

// A started world of moving objects, emptied again at the end. Each update
// starts from the same scattered crowd: left alone, crowds of HARD objects
// clump where they block one another.
class Crowd {
 public:
  explicit Crowd(int count) {
    vt::Config::getInstance().setLogFile("/dev/null");
    vt::LogManager::getInstance().startUp();
    vt::WorldManager& world = vt::WorldManager::getInstance();
    world.startUp();
    world.setBoundary(vt::Box(vt::Vector(), SIDE, SIDE));
    std::mt19937 rng(1);
    std::uniform_real_distribution<float> place(0, SIDE), heading(-1, 1);
    for (int i = 0; i < count; i++) {
      auto* p_o = new vt::Object;
      p_o->setPosition(vt::Vector(place(rng), place(rng)));
      p_o->setVelocity(vt::Vector(heading(rng), heading(rng)));
      objects.push_back(p_o);
      places.push_back(p_o->getPosition());
    }
  }
  void scatter(benchmark::State& state) {
    state.PauseTiming();
    for (std::size_t i = 0; i < objects.size(); i++) objects[i]->setPosition(places[i]);
    state.ResumeTiming();
  }
  ~Crowd() {
    vt::WorldManager::getInstance().shutDown();
    vt::LogManager::getInstance().shutDown();
  }

 private:
  std::vector<vt::Object*> objects;
  std::vector<vt::Vector> places;
};

void BM_WorldUpdate(benchmark::State& state) {
  Crowd crowd(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    crowd.scatter(state);
    vt::WorldManager::getInstance().update();
  }
  const vt::SceneGraph& graph = vt::WorldManager::getInstance().getSceneGraph();
  std::size_t filed = graph.getGrid().getCount();
  state.counters["index_bytes_per_object"] =
      static_cast<double>(graph.getGrid().getMemoryUse()) / static_cast<double>(filed);
}
BENCHMARK(BM_WorldUpdate)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_WorldUpdateLinear(benchmark::State& state) {
  Crowd crowd(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    crowd.scatter(state);
    world_test::linearUpdate();
  }
}
BENCHMARK(BM_WorldUpdateLinear)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
