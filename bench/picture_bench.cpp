// The picture and the input of one frame in a real window (the benchmark
// script runs them under Xvfb): level 5's view with its displays, and a whole
// screen of coloured characters, drawn and shown as the engine batches them
// and, beside them, one cell at a time as it drew them before; and a frame's
// input polling, read in one request and, beside it, a request per key.
#include <benchmark/benchmark.h>

#include <SFML/Graphics.hpp>
#include <cstdlib>

#include "BenchEngine.h"
#include "maze.h"
#include "presentation/window/Display.h"
#include "vantle.h"

namespace {

vt::GraphicsManager& graphics() { return vt::GraphicsManager::getInstance(); }

// The characters collected for a picture, drawn as before: a rectangle and a
// one-character text each, in turn.
void drawPerCell(const std::vector<vt::ScreenChar>& cells) {
  static sf::Font font;
  static bool loaded = font.loadFromFile(VANTLE_FONT);
  if (!loaded) return;
  sf::RenderWindow& window = *graphics().getWindow();
  sf::RectangleShape rectangle(sf::Vector2f(vt::charWidth(), vt::charHeight()));
  rectangle.setFillColor(sf::Color::Black);
  sf::Text text;
  text.setFont(font);
  text.setStyle(sf::Text::Bold);
  text.setCharacterSize(vt::glyphSize());
  for (const vt::ScreenChar& cell : cells) {
    vt::Vector pixel = vt::spacesToPixels(vt::Vector(cell.x, cell.y));
    rectangle.setPosition(pixel.getX() - vt::charWidth() / 10, pixel.getY() + vt::charHeight() / 5);
    window.draw(rectangle);
    text.setString(sf::String(cell.ch));
    text.setFillColor(vt::colorToSFML(cell.color));
    text.setPosition(pixel.getX(), pixel.getY());
    window.draw(text);
  }
}

void fullScreen() {
  for (int row = 0; row < 24; row++) {
    std::string line(80, ' ');
    for (int column = 0; column < 80; column++)
      line[column] = static_cast<char>('!' + (row * 80 + column) % 90);
    graphics().drawString(vt::Vector(0, static_cast<float>(row)), line, vt::LEFT_JUSTIFIED,
                          static_cast<vt::Color>(1 + row % 7));
  }
}

void level5() { vt::WorldManager::getInstance().draw(); }

// Draws and shows a picture per iteration, batched or cell by cell.
void picture(benchmark::State& state, void (*draw)(), bool per_cell) {
  if (!windowed()) return state.SkipWithError("no display or font");
  if (draw == level5) buildLevel(5);
  if (draw == fullScreen) {  // the whole window
    vt::WorldManager::getInstance().setView(vt::Box(vt::Vector(), 80, 24));
    vt::WorldManager::getInstance().setViewPlacement(vt::Vector());
  }
  // The per-cell way draws the characters of the engine's first picture.
  draw();
  graphics().swapBuffers();
  std::vector<vt::ScreenChar> cells = graphics().getScreen().getChars();
  for (auto _ : state) {
    if (!per_cell) {
      draw();
      graphics().swapBuffers();
      continue;
    }
    drawPerCell(cells);
    graphics().getWindow()->display();
    graphics().getWindow()->clear();
  }
  state.counters["cells"] = static_cast<double>(cells.size());
}

void BM_PictureLevel5(benchmark::State& state) { picture(state, level5, false); }
void BM_PictureLevel5PerCell(benchmark::State& state) { picture(state, level5, true); }
void BM_PictureFullScreen(benchmark::State& state) { picture(state, fullScreen, false); }
void BM_PictureFullScreenPerCell(benchmark::State& state) { picture(state, fullScreen, true); }
BENCHMARK(BM_PictureLevel5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PictureLevel5PerCell)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PictureFullScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PictureFullScreenPerCell)->Unit(benchmark::kMillisecond);

// A whole frame of the game at level 5: input, update, drawing, step, swap.
void BM_FrameLevel5(benchmark::State& state) {
  if (!windowed()) return state.SkipWithError("no display or font");
  buildLevel(5);
  for (auto _ : state) vt::GameManager::getInstance().runFrame();
}
BENCHMARK(BM_FrameLevel5)->Unit(benchmark::kMillisecond);

void BM_InputPolling(benchmark::State& state) {
  if (!windowed()) return state.SkipWithError("no display or font");
  for (auto _ : state) vt::InputManager::getInstance().getInput();
}
BENCHMARK(BM_InputPolling)->Unit(benchmark::kMicrosecond);

// The held keys and buttons asked of SFML one by one, as the input manager did.
void BM_InputPollingPerKey(benchmark::State& state) {
  if (!windowed()) return state.SkipWithError("no display or font");
  int down = 0;
  for (auto _ : state) {
    for (int key = 0; key < 75; key++)
      down += sf::Keyboard::isKeyPressed(static_cast<sf::Keyboard::Key>(key));
    for (int button = 0; button < 3; button++)
      down += sf::Mouse::isButtonPressed(static_cast<sf::Mouse::Button>(button));
    benchmark::DoNotOptimize(sf::Mouse::getPosition(*graphics().getWindow()));
  }
  benchmark::DoNotOptimize(down);
}
BENCHMARK(BM_InputPollingPerKey)->Unit(benchmark::kMicrosecond);

}  // namespace
