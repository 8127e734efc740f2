// The maze game program: starts the engine, shows its splash screen, loads
// the game, builds level 1, runs the game loop until the player quits and
// stops the engine again. Options: --record FILE keeps the run's input in
// FILE, --replay FILE plays a recorded run again.
#include <cstdio>

#include "maze.h"

namespace {

// Takes the command line's options into the configuration; false, after
// saying how the program is used, at one it does not know.
bool readOptions(int argc, char** argv) {
  for (int i = 1; i < argc; i++) {
    if (i + 1 < argc && vt::takeRunOption(argv[i], argv[i + 1])) {
      i++;
      continue;
    }
    std::fprintf(stderr, "usage: maze [--record FILE] [--replay FILE]\n");
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!readOptions(argc, argv)) return 2;
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
