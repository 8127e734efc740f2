// The bytes the terminal output writes per frame: level 5 played with the
// hero walking its way to the keys, each frame's screen written as the
// terminal output writes it, on average over the walk and for its first
// frame written whole; and a whole 80 x 24 screen of characters written
// whole. In 8 colours (argument 0) or 24-bit ones (1). The frames are drawn
// through the window (the benchmark script runs them under Xvfb): the screen
// of cells is the same whatever shows it.
#include <benchmark/benchmark.h>

#include "BenchEngine.h"
#include "maze.h"
#include "presentation/terminal/CellWriter.h"
#include "vantle.h"

namespace {

// Holds one key down, for a window that is always there.
class HeldKey : public vt::InputSource {
 public:
  bool hasWindow() const override { return true; }
  bool isKeyPressed(int code) const override { return code == key; }
  int key = vt::KeyCode::UNKNOWN;
};

// Writes the last frame shown as the terminal output does; its bytes.
std::size_t write(vt::CellWriter& writer) {
  static std::vector<vt::TermCell> cells;
  const vt::Screen& screen = vt::GraphicsManager::getInstance().getScreen();
  vt::composeCells(screen, vt::charWidth(), vt::charHeight(), vt::BLACK, cells);
  std::string bytes;
  writer.write(cells, screen.getWidth(), screen.getHeight(), 0, 0, bytes);
  return bytes.size();
}

// The arrow key that takes the hero one cell nearer to.
int towards(vt::Vector from, Cell to) {
  float dx = static_cast<float>(to.x) - from.getX(), dy = static_cast<float>(to.y) - from.getY();
  if (dx != 0) return dx > 0 ? vt::KeyCode::RIGHT : vt::KeyCode::LEFT;
  return dy > 0 ? vt::KeyCode::DOWN : vt::KeyCode::UP;
}

const int WALK_FRAMES = 900;

void BM_TerminalBytesLevel5Walking(benchmark::State& state) {
  if (!windowed()) return state.SkipWithError("no display or font");
  vt::GameManager& game = vt::GameManager::getInstance();
  HeldKey input;
  vt::InputManager::getInstance().setInputSource(&input);
  std::size_t first = 0, walked = 0;
  int frames = 0;
  for (auto _ : state) {
    windowed();
    buildLevel(5);
    vt::CellWriter writer;
    writer.setTrueColor(state.range(0) != 0);
    game.runFrame();
    first = write(writer);
    walked = 0;
    Hero* p_hero = static_cast<Hero*>(objectsOfType("Hero").front());
    RoutePlanner planner(p_hero);
    std::vector<Cell> walk;
    Cell push{0, 0};
    for (frames = 0; frames < WALK_FRAMES && planner.toGoal(walk, push);) {
      for (std::size_t i = 0; i < walk.size() && frames < WALK_FRAMES; frames++) {
        vt::Vector at = p_hero->getPosition();
        if (at == vt::Vector(static_cast<float>(walk[i].x), static_cast<float>(walk[i].y))) i++;
        input.key = i < walk.size() ? towards(at, walk[i]) : vt::KeyCode::UNKNOWN;
        game.runFrame();
        walked += write(writer);
      }
      if (objectsOfType("Key").empty()) break;  // the door is as far as a walk goes
    }
  }
  vt::InputManager::getInstance().setInputSource(nullptr);
  state.counters["bytes_per_frame"] = static_cast<double>(walked) / frames;
  state.counters["first_frame_bytes"] = static_cast<double>(first);
  state.counters["frames"] = frames;
}
BENCHMARK(BM_TerminalBytesLevel5Walking)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_TerminalBytesFullScreen(benchmark::State& state) {
  if (!windowed()) return state.SkipWithError("no display or font");
  vt::WorldManager::getInstance().setView(vt::Box(vt::Vector(), 80, 24));
  vt::WorldManager::getInstance().setViewPlacement(vt::Vector());
  vt::GraphicsManager& graphics = vt::GraphicsManager::getInstance();
  for (int row = 0; row < 24; row++) {
    std::string line(80, ' ');
    for (int column = 0; column < 80; column++)
      line[static_cast<std::size_t>(column)] = static_cast<char>('!' + (row * 80 + column) % 90);
    graphics.drawString(vt::Vector(0, static_cast<float>(row)), line, vt::LEFT_JUSTIFIED,
                        static_cast<vt::Color>(1 + row % 7));
  }
  graphics.swapBuffers();
  vt::CellWriter writer;
  writer.setTrueColor(state.range(0) != 0);
  std::size_t bytes = 0;
  for (auto _ : state) {
    writer.invalidate();
    bytes = write(writer);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_TerminalBytesFullScreen)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
