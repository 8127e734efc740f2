// The maze game program: starts the engine, shows its splash screen, loads
// the game, builds level 1, runs the game loop until the player quits and
// stops the engine again. Options: --record FILE keeps the run's input in
// FILE, --replay FILE plays a recorded run again, --maze FILE plays the maze
// in FILE in place of the built-in ones, after saying on standard error
// what of it cannot be reached; --terminal plays in the terminal instead of
// a window. Alone, --check FILE only says whether the maze in FILE can be
// won, --export N only writes built-in level N to standard output as a maze
// file, and --help lists the options and keys. In a web page the loops run
// frame by frame as the browser calls them (runLoop), and a hidden page
// pauses the game.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "maze.h"

namespace {

int exportLevel(int level) {
  std::cout << "# Level " << level << " of the maze game, its pieces in the order the game "
            << "makes them.\n";
  writeMaze(std::cout, builtInMaze(level));
  return std::cout.flush() ? 0 : 1;
}

// A recorded run depends on the mazes it plays: the recording keeps their
// name and a digest of their pieces, and its replay must play the same.
void describeRun(const std::string& maze_file) {
  vt::TextDigest digest;
  for (int level = 1; level <= levelCount(); level++) {
    std::ostringstream maze;
    writeMaze(maze, levelMaze(level));
    digest.add(maze.str());
  }
  std::string name =
      maze_file.empty() ? "built-in" : std::filesystem::path(maze_file).filename().string();
  vt::InputManager::getInstance().setRunContext("maze " + name + " " + digest.hex());
}

bool takeMazeFile(const std::string& file) {
  Maze maze;
  std::string error;
  if (!readMazeFile(file, maze, error)) {
    std::fprintf(stderr, "maze: %s\n", error.c_str());
    return false;
  }
  playMazes({maze});
  return true;
}

int exit_status = 0;
std::string maze_file;  // played in place of the built-in levels, if any

// After the splash: the game's resources, level 1 and its music, then the
// game until the player quits.
void playGame() {
  loadGameResources();
  setWorldSize();
  if (!maze_file.empty()) warnIfUnwinnable(maze_file);
  // The counter starts at 1 on first use.
  buildLevel(currentLevel());
  // Without its music the game plays silently.
  vt::Music* p_music = vt::ResourceManager::getInstance().getMusic("music");
  if (p_music) p_music->play();
  vt::onPageHidden([] {
    if (!isPaused()) togglePause();
  });
  vt::runLoop([] {
    vt::GameManager& game = vt::GameManager::getInstance();
    game.shutDown();
    exit_status = game.exitStatus("maze");
  });
}

// Options the engine takes itself go to its configuration.
void takeRunOptions(const Options& options) {
  if (options.terminal) vt::takeDisplayOption("--terminal");
  if (!options.record_file.empty()) vt::takeRunOption("--record", options.record_file);
  if (!options.replay_file.empty()) vt::takeRunOption("--replay", options.replay_file);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::string error;
  if (!readOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "maze: %s (maze --help lists the options)\n", error.c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(usageText().c_str(), stdout);
    return 0;
  }
  if (options.export_level > 0) return exportLevel(options.export_level);
  if (!options.check_file.empty()) return checkMazeFile(options.check_file);
  if (!options.maze_file.empty() && !takeMazeFile(options.maze_file)) return 1;
  takeRunOptions(options);
  describeRun(options.maze_file);
  vt::LogManager& log = vt::LogManager::getInstance();
  vt::GameManager& game = vt::GameManager::getInstance();
  if (game.startUp() != 0) return game.abandonStartUp("maze");
  log.setFlush(true);
  maze_file = options.maze_file;
  vt::splash(playGame);
  return exit_status;
}
