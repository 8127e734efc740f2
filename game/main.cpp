// The maze game program: starts the engine, shows its splash screen, loads
// the game, builds level 1, runs the game loop until the player quits and
// stops the engine again.
#include "maze.h"

int main(int, char**) {
  vt::LogManager& log = vt::LogManager::getInstance();
  vt::GameManager& game = vt::GameManager::getInstance();
  if (game.startUp() != 0) return game.abandonStartUp("maze");
  log.setFlush(true);
  vt::splash();
  loadGameResources();
  setWorldSize();
  // The counter starts at 1 on first use.
  buildLevel(currentLevel());
  // Without its music the game plays silently.
  vt::Music* p_music = vt::ResourceManager::getInstance().getMusic("music");
  if (p_music) p_music->play();
  game.run();
  game.shutDown();
  return 0;
}
