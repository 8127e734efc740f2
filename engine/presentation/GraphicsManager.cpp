#include "presentation/GraphicsManager.h"

#include "core/Config.h"
#include "core/LogManager.h"

namespace vt {

GraphicsManager::GraphicsManager()
    : window_horizontal_pixels(0),
      window_vertical_pixels(0),
      window_horizontal_chars(0),
      window_vertical_chars(0) {
  setType("GraphicsManager");
}

GraphicsManager& GraphicsManager::getInstance() {
  static GraphicsManager instance;
  return instance;
}

int GraphicsManager::startUp() {
  const Config& config = Config::getInstance();
  window_horizontal_pixels = config.getWindowHorizontalPixels();
  window_vertical_pixels = config.getWindowVerticalPixels();
  window_horizontal_chars = config.getWindowHorizontalChars();
  window_vertical_chars = config.getWindowVerticalChars();
  Manager::startUp();
  LogManager::getInstance().writeLog(1, "GraphicsManager::startUp(): successfully started.");
  return 0;
}

void GraphicsManager::shutDown() {
  Manager::shutDown();
  LogManager::getInstance().writeLog(1, "GraphicsManager::shutDown(): successfully stopped.");
}

int GraphicsManager::swapBuffers() {
  if (!isStarted()) {
    LogManager::getInstance().writeLog("%s not started!", getType().c_str());
    return -1;
  }
  return -1;
}

int GraphicsManager::getHorizontal() const { return window_horizontal_chars; }
int GraphicsManager::getVertical() const { return window_vertical_chars; }
int GraphicsManager::getHorizontalPixels() const { return window_horizontal_pixels; }
int GraphicsManager::getVerticalPixels() const { return window_vertical_pixels; }

}  // namespace vt
