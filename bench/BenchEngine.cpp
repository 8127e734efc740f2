#include "BenchEngine.h"

#include <unistd.h>

#include "maze.h"
#include "presentation/window/Display.h"
#include "vantle.h"

bool windowed() {
  static bool started = [] {
    vt::Config::getInstance().setLogFile("/dev/null");
    vt::Config::getInstance().setFontFile(VANTLE_FONT);
    if (!vt::canOpenDisplay() || vt::GameManager::getInstance().startUp() != 0) return false;
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd) && chdir(VANTLE_SOURCE_DIR) == 0) {
      loadGameResources();
      if (chdir(cwd) != 0) return false;
    }
    return true;
  }();
  if (started) {
    clearLevel();
    vt::WorldManager::getInstance().update();
    setWorldSize();  // the view where the game starts it, wherever the last level left it
  }
  return started;
}
