// The maze game program: starts the engine, shows its splash screen, loads
// the game, builds level 1, runs the game loop until the player quits and
// stops the engine again. Options: --record FILE keeps the run's input in
// FILE, --replay FILE plays a recorded run again, --maze FILE plays the maze
// in FILE in place of the built-in ones, --terminal plays in the terminal
// instead of a window. Alone, --check FILE only says
// whether the maze in FILE can be won, and --export N only writes built-in
// level N to standard output as a maze file.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "maze.h"

namespace {

struct Options {
  std::string maze_file;
  std::string check_file;
  int export_level = 0;
};

bool usage() {
  std::fprintf(stderr,
               "usage: maze [--terminal] [--record FILE] [--replay FILE] [--maze FILE]\n"
               "       maze --check FILE\n"
               "       maze --export LEVEL    (LEVEL 1 to %d)\n",
               LEVEL_COUNT);
  return false;
}

// Takes the command line's options into the configuration and options;
// false, after saying how the program is used, at one it does not know.
bool readOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; i += 2) {
    if (vt::takeDisplayOption(argv[i])) {
      i--;  // a flag without a value
      continue;
    }
    if (i + 1 >= argc) return usage();
    std::string option = argv[i], value = argv[i + 1];
    if (vt::takeRunOption(option, value)) continue;
    if (option == "--maze")
      options.maze_file = value;
    else if (option == "--check")
      options.check_file = value;
    else if (option == "--export" && value.size() == 1 && value[0] >= '1' &&
             value[0] < '1' + LEVEL_COUNT)
      options.export_level = value[0] - '0';
    else
      return usage();
  }
  bool alone = !options.check_file.empty() || options.export_level > 0;
  return !alone || argc == 3 || usage();
}

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

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!readOptions(argc, argv, options)) return 2;
  if (options.export_level > 0) return exportLevel(options.export_level);
  if (!options.check_file.empty()) return checkMazeFile(options.check_file);
  if (!options.maze_file.empty() && !takeMazeFile(options.maze_file)) return 1;
  describeRun(options.maze_file);
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
  return game.exitStatus("maze");
}
