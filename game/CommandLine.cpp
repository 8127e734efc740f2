#include "CommandLine.h"

#include "LevelLayout.h"

namespace {

// The options that take a value, with the name of that value.
struct ValueOption {
  const char* name;
  const char* value;
  std::string Options::*p_text;  // null for --export
  bool alone;
};

const ValueOption VALUE_OPTIONS[] = {
    {"--record", "FILE", &Options::record_file, false},
    {"--replay", "FILE", &Options::replay_file, false},
    {"--maze", "FILE", &Options::maze_file, false},
    {"--check", "FILE", &Options::check_file, true},
    {"--export", "LEVEL", nullptr, true},
};

// The level of --export's value, 0 when it names none.
int levelOf(const std::string& text) {
  return text.size() == 1 && text[0] >= '1' && text[0] < '1' + LEVEL_COUNT ? text[0] - '0' : 0;
}

}  // namespace

bool readOptions(int argc, const char* const* argv, Options& options, std::string& error) {
  const char* p_alone = nullptr;
  for (int i = 1; i < argc; i++) {
    std::string option = argv[i];
    const ValueOption* p_found = nullptr;
    for (const ValueOption& candidate : VALUE_OPTIONS)
      if (option == candidate.name) p_found = &candidate;
    if (option == "--terminal") {
      options.terminal = true;
      continue;
    }
    if (option == "--help" || option == "-h") {
      options.help = true;
      p_alone = "--help";
      continue;
    }
    if (!p_found) {
      error = option.rfind('-', 0) == 0 ? "unknown option '" + option + "'"
                                        : "'" + option + "' is no option";
      return false;
    }
    if (i + 1 >= argc) {
      error = option + " needs a " + p_found->value;
      return false;
    }
    std::string value = argv[++i];
    if (p_found->alone) p_alone = p_found->name;
    if (p_found->p_text) {
      options.*(p_found->p_text) = value;
    } else if ((options.export_level = levelOf(value)) == 0) {
      error = option + " takes a level from 1 to " + std::to_string(LEVEL_COUNT) + ", not '" +
              value + "'";
      return false;
    }
  }
  int expected_argc = p_alone == nullptr ? argc : std::string(p_alone) == "--help" ? 2 : 3;
  if (argc == expected_argc) return true;
  error = std::string(p_alone) + " stands alone";
  return false;
}

std::string usageText() {
  return "usage: maze [--terminal] [--record FILE] [--replay FILE] [--maze FILE]\n"
         "       maze --check FILE      says whether every key and the door can be reached\n"
         "       maze --export LEVEL    writes built-in level LEVEL (1 to " +
         std::to_string(LEVEL_COUNT) +
         ") as a maze file\n"
         "       maze --help\n"
         "\n"
         "  --terminal      plays in the terminal instead of a window\n"
         "  --record FILE   keeps the run's input in FILE\n"
         "  --replay FILE   plays the run recorded in FILE again\n"
         "  --maze FILE     plays the maze in FILE instead of the built-in ones\n"
         "\n"
         "keys: W A S D or the arrows move, P or Esc pauses, R restarts the level,\n"
         "      M mutes the sound, Q quits\n";
}
