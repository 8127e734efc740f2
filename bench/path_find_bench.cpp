// Whole A* searches across the game's largest world, 125 by 100 cells: one
// over open ground and one that has to wind through a maze of HARD walls.
// Every ply writes its lines to the log, which goes to /dev/null here.
#include <benchmark/benchmark.h>

#include <vector>

#include "vantle.h"

namespace {

const int WORLD_WIDTH = 125;
const int WORLD_HEIGHT = 100;

// A started log and world of the full size, emptied again at the end.
class World {
 public:
  World() {
    vt::Config::getInstance().setLogFile("/dev/null");
    vt::LogManager::getInstance().startUp();
    vt::WorldManager::getInstance().startUp();
    vt::WorldManager::getInstance().setBoundary(vt::Box(vt::Vector(), WORLD_WIDTH, WORLD_HEIGHT));
  }
  ~World() {
    vt::WorldManager::getInstance().shutDown();
    vt::LogManager::getInstance().shutDown();
  }
};

// Walls every fourth column, open alternately at the bottom and at the top,
// so that the only way across snakes through every corridor.
void buildMaze() {
  for (int x = 4; x < WORLD_WIDTH - 1; x += 4) {
    int gap = (x / 4) % 2 == 1 ? WORLD_HEIGHT - 1 : 0;
    for (int y = 0; y < WORLD_HEIGHT; y++) {
      if (y == gap) continue;
      vt::Object* p_wall = new vt::Object;
      p_wall->setType("Wall");
      p_wall->setPosition(vt::Vector(static_cast<float>(x), static_cast<float>(y)));
    }
  }
}

void search(benchmark::State& state, vt::GridPoint start, vt::GridPoint end) {
  vt::Object* p_walker = new vt::Object;
  p_walker->setPosition(vt::Vector(static_cast<float>(start.x), static_cast<float>(start.y)));
  int plies = 0;
  int nodes = 0;
  for (auto _ : state) {
    vt::PathFind path_find(p_walker, start, end);
    int status = vt::INCOMPLETE;
    while (status == vt::INCOMPLETE) status = path_find.cycleOnce();
    if (status != vt::FOUND) state.SkipWithError("no path found");
    vt::Path path = path_find.getPath();
    plies = path_find.getPly();
    nodes = path.getNodeCount();
    benchmark::DoNotOptimize(path);
  }
  state.counters["plies"] = plies;
  state.counters["path_nodes"] = nodes;
}

void BM_SearchOpenWorld(benchmark::State& state) {
  World world;
  search(state, vt::GridPoint{0, 0}, vt::GridPoint{WORLD_WIDTH - 1, WORLD_HEIGHT - 1});
}
BENCHMARK(BM_SearchOpenWorld)->Unit(benchmark::kMillisecond);

void BM_SearchMaze(benchmark::State& state) {
  World world;
  buildMaze();
  search(state, vt::GridPoint{1, 1}, vt::GridPoint{WORLD_WIDTH - 2, WORLD_HEIGHT - 2});
}
BENCHMARK(BM_SearchMaze)->Unit(benchmark::kMillisecond);

}  // namespace
