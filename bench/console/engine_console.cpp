// The engine's side of the console comparison: a window of COLUMNS x ROWS
// cells of 8 x 16 pixels, vertical sync off, and per frame every cell given
// its character and colour with drawCh, then the frame shown with
// swapBuffers. Its log, console-engine.log, goes in the working folder.
#include <cstdint>
#include <cstdio>

#include <SFML/Graphics/RenderWindow.hpp>

#include "ConsoleRun.h"
#include "vantle.h"

namespace {

// The peer's colours are computed from the index: bit 0 red, bit 1 green,
// bit 2 blue; the comparison only holds while the engine's are those.
bool colorsAsPeer() {
  for (int index = 0; index < consolebench::COLOR_COUNT; index++) {
    std::uint8_t red = 1, green = 1, blue = 1;
    vt::colorToRGB(static_cast<vt::Color>(index), red, green, blue);
    if (red != (index & 1 ? 255 : 0) || green != (index & 2 ? 255 : 0) ||
        blue != (index & 4 ? 255 : 0))
      return false;
  }
  return true;
}

bool startEngine(const consolebench::RunSettings& settings) {
  vt::Config& config = vt::Config::getInstance();
  config.setLogFile("console-engine.log");
  config.setFontFile(VANTLE_FONT);
  config.setWindowTitle("engine console");
  config.setWindowHorizontalChars(settings.columns);
  config.setWindowVerticalChars(settings.rows);
  config.setWindowHorizontalPixels(settings.columns * consolebench::CELL_WIDTH);
  config.setWindowVerticalPixels(settings.rows * consolebench::CELL_HEIGHT);
  if (vt::LogManager::getInstance().startUp() != 0) return false;
  vt::GraphicsManager& graphics = vt::GraphicsManager::getInstance();
  if (graphics.startUp() != 0) return false;
  // Start-up turns it on; frames are to be counted as fast as they come.
  graphics.getWindow()->setVerticalSyncEnabled(false);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  consolebench::RunSettings settings;
  if (!consolebench::readSettings(argc, argv, settings)) return 2;
  if (!colorsAsPeer()) {
    std::fprintf(stderr, "engine colours differ from the peer's\n");
    return 1;
  }
  if (!startEngine(settings)) {
    std::fprintf(stderr, "engine did not start; see console-engine.log\n");
    return 1;
  }
  vt::GraphicsManager& graphics = vt::GraphicsManager::getInstance();
  consolebench::timeFrames(settings, [&](int frame) {
    for (int row = 0; row < settings.rows; row++)
      for (int column = 0; column < settings.columns; column++)
        graphics.drawCh(vt::Vector(static_cast<float>(column), static_cast<float>(row)),
                        consolebench::cellCharacter(column, row, frame),
                        static_cast<vt::Color>(consolebench::cellColor(column, row, frame)));
    graphics.swapBuffers();
  });
  graphics.shutDown();
  vt::LogManager::getInstance().shutDown();
  return 0;
}
