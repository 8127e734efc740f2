// The maze program's command line: the options it takes, the faults it
// refuses, and the usage --help prints with the keys of the game.
#pragma once

#include <string>

struct Options {
  std::string record_file;  // --record FILE
  std::string replay_file;  // --replay FILE
  std::string maze_file;    // --maze FILE
  std::string check_file;   // --check FILE, alone
  int export_level = 0;     // --export LEVEL, alone
  bool help = false;        // --help or -h, alone
  bool terminal = false;    // --terminal
};

/// Reads argv's options into options; false at the first fault, said in
/// error ("unknown option '--x'", "--maze needs a FILE", "--export takes a
/// level from 1 to 6, not '7'", "--check stands alone"...).
bool readOptions(int argc, const char* const* argv, Options& options, std::string& error);

/// The options and the keys of the game, as --help prints them.
std::string usageText();
