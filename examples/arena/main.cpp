// The arena example: walkers find their way around the walls to the cells
// the player clicks. Starts the engine with the mouse pointer shown and the
// window named "Arena" (a vt-config.txt may say otherwise), shows the splash
// screen, builds the arena and runs the game until Q or the close button.
#include "arena.h"

int main(int, char**) {
  vt::Config& config = vt::Config::getInstance();
  config.setShowMouse(true);
  config.setWindowTitle("Arena");
  vt::LogManager& log = vt::LogManager::getInstance();
  vt::GameManager& game = vt::GameManager::getInstance();
  if (game.startUp() != 0) return game.abandonStartUp("arena");
  log.setFlush(true);
  vt::splash();
  loadArenaResources();
  setArenaSize();
  new Arena;
  game.run();
  game.shutDown();
  return 0;
}
