// The maze game program: starts the engine, shows its splash screen, runs
// the game loop until the player quits and stops the engine again.
#include "maze.h"

int main(int, char**) {
  vt::LogManager& log = vt::LogManager::getInstance();
  vt::GameManager& game = vt::GameManager::getInstance();
  if (game.startUp() != 0) {
    log.writeLog("Error starting game manager!");
    game.shutDown();
    return 0;
  }
  log.setFlush(true);
  vt::splash();
  game.run();
  game.shutDown();
  return 0;
}
