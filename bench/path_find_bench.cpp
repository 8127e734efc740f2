// Whole A* searches: across the game's largest world, 125 by 100 cells, in
// the open, and through level 5's maze from the hero to its farthest key;
// with the per-ply trace off and on (written to /dev/null), and the plain
// scan the engine's search replaced beside them.
#include <benchmark/benchmark.h>

#include <vector>

#include "../tests/path/LinearPathFind.h"
#include "maze.h"
#include "vantle.h"

namespace {

// A started log and world of the game's size, emptied again at the end.
class World {
 public:
  explicit World(bool maze) {
    vt::Config::getInstance().setLogFile("/dev/null");
    vt::LogManager::getInstance().startUp();
    vt::ResourceManager::getInstance().startUp();
    vt::WorldManager::getInstance().startUp();
    setWorldSize();
    if (!maze) {
      p_walker = new vt::Object;
      return;
    }
    // The maze's walls take their boxes from their sprites.
    vt::ResourceManager& resources = vt::ResourceManager::getInstance();
    for (const char* const* p = SPRITES; *p; p += 2)
      resources.loadSprite(std::string(VANTLE_SOURCE_DIR "/sprites/") + p[0], p[1]);
    buildLevel(5);
    p_walker = hero();
    // The key the longest search leads to.
    int most = 0;
    for (Cell key : levelPlan(5).keys) {
      vt::PathFind search(p_walker, start(), vt::GridPoint{key.x, key.y});
      while (search.cycleOnce() == vt::INCOMPLETE) {
      }
      if (search.getPly() > most) most = search.getPly(), end = vt::GridPoint{key.x, key.y};
    }
  }
  ~World() {
    vt::WorldManager::getInstance().shutDown();
    vt::ResourceManager::getInstance().shutDown();
    vt::LogManager::getInstance().shutDown();
  }
  vt::GridPoint start() const {
    return vt::GridPoint{static_cast<int>(p_walker->getPosition().getX()),
                         static_cast<int>(p_walker->getPosition().getY())};
  }

  vt::Object* p_walker = nullptr;
  vt::GridPoint end{124, 99};

 private:
  static constexpr const char* SPRITES[] = {"HeroSprite.txt",
                                            "hero idle",
                                            "SingleTopWall.txt",
                                            "single horizontal wall",
                                            "TopWall.txt",
                                            "horizontal wall",
                                            "SingleSideWall.txt",
                                            "single vertical wall",
                                            "SideWall.txt",
                                            "vertical wall",
                                            "Door.txt",
                                            "door",
                                            "KeySprite.txt",
                                            "key",
                                            "SingleTopLeftCornerWall.txt",
                                            "top corner",
                                            "SingleBottomLeftCornerWall.txt",
                                            "bottom left corner",
                                            "SingleBottomRightCornerWall.txt",
                                            "bottom right corner",
                                            nullptr};
  static vt::Object* hero() {
    vt::ObjectList all = vt::WorldManager::getInstance().getAllObjects();
    for (vt::ObjectListIterator it(&all); !it.isDone(); it.next())
      if (it.currentObject()->getType() == "Hero") return it.currentObject();
    return nullptr;
  }
};

template <typename Search>
void run(benchmark::State& state, World& world, bool trace) {
  vt::LogManager::getInstance().setLogLevel(trace ? vt::PATH_TRACE_LEVEL : 0);
  int plies = 0;
  for (auto _ : state) {
    Search search(world.p_walker, world.start(), world.end);
    if constexpr (std::is_same_v<Search, path_test::LinearPathFind>) search.tracing = trace;
    int status = vt::INCOMPLETE;
    while (status == vt::INCOMPLETE) status = search.cycleOnce();
    if (status != vt::FOUND) state.SkipWithError("no path found");
    plies = search.ply;
    benchmark::DoNotOptimize(status);
  }
  state.counters["plies"] = plies;
  state.counters["plies_per_second"] =
      benchmark::Counter(static_cast<double>(plies) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
}

// The engine's search counts its plies through a call.
struct EngineSearch : vt::PathFind {
  EngineSearch(vt::Object* p_o, vt::GridPoint from, vt::GridPoint to) : PathFind(p_o, from, to) {}
  int cycleOnce() {
    int status = PathFind::cycleOnce();
    ply = getPly();
    return status;
  }
  int ply = 0;
};

void BM_SearchOpen(benchmark::State& state) {
  World world(false);
  run<EngineSearch>(state, world, state.range(0) != 0);
}
BENCHMARK(BM_SearchOpen)->ArgName("trace")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SearchLevel5(benchmark::State& state) {
  World world(true);
  run<EngineSearch>(state, world, state.range(0) != 0);
}
BENCHMARK(BM_SearchLevel5)->ArgName("trace")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_SearchOpenLinear(benchmark::State& state) {
  World world(false);
  run<path_test::LinearPathFind>(state, world, state.range(0) != 0);
}
BENCHMARK(BM_SearchOpenLinear)
    ->ArgName("trace")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_SearchLevel5Linear(benchmark::State& state) {
  World world(true);
  run<path_test::LinearPathFind>(state, world, state.range(0) != 0);
}
BENCHMARK(BM_SearchLevel5Linear)
    ->ArgName("trace")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
