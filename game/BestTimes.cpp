#include "BestTimes.h"

#include <cstdint>
#include <filesystem>
#include <sstream>

#include "core/Config.h"
#include "core/FileAccess.h"
#include "core/LogManager.h"
#include "core/Platform.h"

namespace {

const int MAX_SECONDS = 9999;
const int MAX_LEVEL = 999;
// A line for every level fits many times over.
const std::uint64_t MAX_BYTES = 64 * 1024;

// One "level seconds" line; false for anything else.
bool readLine(const std::string& line, int& level, int& seconds) {
  std::istringstream words(line);
  std::string extra;
  return static_cast<bool>(words >> level >> seconds) && !(words >> extra) && level >= 1 &&
         level <= MAX_LEVEL && seconds >= 0 && seconds <= MAX_SECONDS;
}

bool isSkipped(const std::string& line) {
  std::size_t first = line.find_first_not_of(" \t\r");
  return first == std::string::npos || line[first] == '#';
}

}  // namespace

BestTimes::BestTimes(std::string init_file)
    : file(std::move(init_file)), loaded(false), save_failed(false) {}

std::string BestTimes::getFile() const { return file; }

int BestTimes::get(int level) {
  load();
  auto found = times.find(level);
  return found == times.end() ? -1 : found->second;
}

bool BestTimes::record(int level, int seconds) {
  int best = get(level);
  if (level < 1 || level > MAX_LEVEL || seconds < 0 || seconds > MAX_SECONDS) return false;
  if (best >= 0 && best <= seconds) return false;
  times[level] = seconds;
  save();
  return true;
}

void BestTimes::load() {
  if (loaded) return;
  loaded = true;
  std::error_code error;
  if (file.empty() || !std::filesystem::exists(file, error)) return;
  vt::LogManager& log = vt::LogManager::getInstance();
  std::string text;
  std::string reason = vt::readFile(file, MAX_BYTES, text);
  if (!reason.empty()) {
    log.writeLog("BestTimes::load(): Warning! Cannot read '%s' (%s); the best times start afresh.",
                 file.c_str(), reason.c_str());
    return;
  }
  std::istringstream in(text);
  int damaged = 0, number = 0;
  for (std::string line; std::getline(in, line);) {
    number++;
    int level = 0, seconds = 0;
    if (isSkipped(line)) continue;
    if (!readLine(line, level, seconds)) {
      damaged = damaged ? damaged : number;
      continue;
    }
    auto found = times.find(level);
    if (found == times.end() || seconds < found->second) times[level] = seconds;
  }
  if (!damaged) return;
  log.writeLog(
      "BestTimes::load(): Warning! '%s' is damaged at line %d; it is written anew with "
      "the times it still holds.",
      file.c_str(), damaged);
  save();
}

void BestTimes::save() {
  if (file.empty()) return;
  std::filesystem::path path(file);
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  std::ostringstream text;
  text << "# The maze game's best times: a level, then the fewest seconds it was won in.\n";
  for (const auto& [level, seconds] : times) text << level << ' ' << seconds << '\n';
  std::string reason = vt::replaceFile(file, text.str());
  if (reason.empty() || save_failed) return;
  save_failed = true;
  vt::LogManager::getInstance().writeLog(
      "BestTimes::save(): Warning! Cannot write '%s' (%s); the best times are kept until the "
      "game ends.",
      file.c_str(), reason.c_str());
}

std::string bestTimesFile() {
  std::string folder = vt::getUserFolder("XDG_DATA_HOME", ".local/share");
  return folder.empty() ? "" : folder + "/vantle-maze/best-times.txt";
}

BestTimes& bestTimes() {
  const vt::Config& config = vt::Config::getInstance();
  static BestTimes best_times(
      config.getRecordFile().empty() && config.getReplayFile().empty() ? bestTimesFile() : "");
  return best_times;
}
