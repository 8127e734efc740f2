// The arena example: walkers find their way around the walls to the cells
// the player clicks. Starts the engine with the mouse pointer shown and the
// window named "Arena" (a vt-config.txt may say otherwise), shows the splash
// screen, builds the arena and runs the game until Q or the close button.
// Options: --record FILE keeps the run's input in FILE, --replay FILE plays
// a recorded run again, --terminal plays in the terminal instead of a window.
#include <cstdio>

#include "arena.h"

namespace {

// Takes the command line's options into the configuration; false, after
// saying how the program is used, at one it does not know.
bool readOptions(int argc, char** argv) {
  for (int i = 1; i < argc; i++) {
    if (vt::takeDisplayOption(argv[i])) continue;
    if (i + 1 < argc && vt::takeRunOption(argv[i], argv[i + 1])) {
      i++;
      continue;
    }
    std::fprintf(stderr, "usage: arena [--terminal] [--record FILE] [--replay FILE]\n");
    return false;
  }
  return true;
}

int exit_status = 0;

// After the splash: the arena, then the game until the player quits.
void playArena() {
  loadArenaResources();
  setArenaSize();
  new Arena;
  vt::runLoop([] {
    vt::GameManager& game = vt::GameManager::getInstance();
    game.shutDown();
    exit_status = game.exitStatus("arena");
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (!readOptions(argc, argv)) return 2;
  vt::Config& config = vt::Config::getInstance();
  config.setShowMouse(true);
  config.setWindowTitle("Arena");
  vt::LogManager& log = vt::LogManager::getInstance();
  vt::GameManager& game = vt::GameManager::getInstance();
  if (game.startUp() != 0) return game.abandonStartUp("arena");
  log.setFlush(true);
  vt::splash(playArena);
  return exit_status;
}
