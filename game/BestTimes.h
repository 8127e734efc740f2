// The fewest seconds each level was won in, kept in a small text file: a
// comment line, then one line per level with the level's number and its
// seconds. The file is read at the first question and written whole, to a
// new temporary file first that then takes its name, so a crash never
// leaves half a file and a link planted beside it is never followed. A
// damaged, unreadable or unwritable file is said once in the log; the
// times go on in memory and the other levels' times are kept.
#pragma once

#include <map>
#include <string>

class BestTimes {
 public:
  /// Times kept in file; with an empty name, in memory only.
  explicit BestTimes(std::string init_file);

  /// The level's best, or -1 when it was never won.
  int get(int level);

  /// Keeps seconds as the level's best when it is its first or fewer than
  /// the best, and writes the file; whether it was kept.
  bool record(int level, int seconds);

  std::string getFile() const;

 private:
  void load();
  void save();

  std::string file;
  bool loaded;
  bool save_failed;  // said once in the log
  std::map<int, int> times;
};

/// The player's best times file: best-times.txt in vantle-maze/ below
/// $XDG_DATA_HOME, or below ~/.local/share when that is not set; empty
/// without either.
std::string bestTimesFile();

/// The game's best times, in bestTimesFile(); in memory only for a run that
/// is recorded or replayed, which must not depend on what earlier runs left.
BestTimes& bestTimes();
