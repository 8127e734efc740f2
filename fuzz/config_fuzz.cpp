// Feeds arbitrary text to the configuration loader, both as a text and as
// the file read at start-up, and checks match() against a plain reading of
// the key:value rules.
#include <algorithm>
#include <cctype>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "vantle.h"

namespace {

using Items = std::vector<std::pair<std::string, std::string>>;

// The items as the rules describe them: up to a zero char, whitespace
// removed, pieces between commas, empty pieces skipped; leading colons
// skipped, the key up to the next colon, the value after that colon run up
// to the next colon; a piece of colons only ends the list.
Items expectedItems(const std::string& raw) {
  std::string text;
  for (char c : raw.substr(0, raw.find('\0')))
    if (!std::isspace(static_cast<unsigned char>(c))) text += c;
  Items items;
  std::string::size_type start = 0;
  while (start <= text.size()) {
    std::string::size_type end = std::min(text.find(',', start), text.size());
    std::string piece = text.substr(start, end - start);
    start = end + 1;
    if (piece.empty()) continue;
    std::string::size_type key_start = piece.find_first_not_of(':');
    if (key_start == std::string::npos) break;
    std::string::size_type key_end = std::min(piece.find(':', key_start), piece.size());
    std::string key = piece.substr(key_start, key_end - key_start);
    std::string value;
    std::string::size_type value_start = piece.find_first_not_of(':', key_end);
    if (value_start != std::string::npos) {
      std::string::size_type value_end = std::min(piece.find(':', value_start), piece.size());
      value = piece.substr(value_start, value_end - value_start);
    }
    items.emplace_back(key, value);
  }
  return items;
}

// The value of the first item with key, or "" if none.
std::string firstValue(const Items& items, const std::string& key) {
  for (const auto& item : items)
    if (item.first == key) return item.second;
  return "";
}

// Whether value is, whole, a decimal integer from low to high, and which.
bool whole(const std::string& value, long long low, long long high, int& number) {
  std::size_t i = !value.empty() && (value[0] == '-' || value[0] == '+') ? 1 : 0;
  if (i == value.size()) return false;
  long long magnitude = 0;
  for (; i < value.size(); i++) {
    if (!std::isdigit(static_cast<unsigned char>(value[i]))) return false;
    magnitude = std::min(magnitude * 10 + (value[i] - '0'), 1LL << 40);
  }
  long long read = value[0] == '-' ? -magnitude : magnitude;
  if (read < low || read > high) return false;
  number = static_cast<int>(read);
  return true;
}

// The file's text as the loader should see it: nothing from a file past its
// cap; comment and empty lines dropped, one carriage return cut from each
// line, the rest joined up to the line where an item past the most begins.
std::string expectedFileText(const std::string& file) {
  if (file.size() > vt::MAX_CONFIG_BYTES) return "";
  std::string text, line;
  std::string::size_type start = 0;
  int items = 0;
  bool in_item = false;
  while (start < file.size()) {
    std::string::size_type end = std::min(file.find('\n', start), file.size());
    line = file.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    for (char c : line) {
      if (c == ',')
        in_item = false;
      else if (!in_item && !std::isspace(static_cast<unsigned char>(c)))
        in_item = true, items++;
    }
    if (items > vt::MAX_CONFIG_ITEMS) break;
    text += line;
  }
  return text;
}

// Config holds the defaults, changed by the first value of each key that
// has one, converted as the table of keys says.
void checkSettings(const std::string& text) {
  const vt::Config& config = vt::Config::getInstance();
  Items items = expectedItems(text);
  std::string v;
  // A value that is not, whole, a number of the key's range keeps the default.
  auto limited = [&items](const char* key, int fallback, long long low, long long high) {
    int number = fallback;
    return whole(firstValue(items, key), low, high, number) ? number : fallback;
  };
  FUZZ_CHECK(config.getFrameTime() == limited("frame_time", 33, 0, vt::MAX_FRAME_TIME));
  int horizontal_pixels = limited("window_horizontal_pixels", 1024, 1, vt::MAX_WINDOW_PIXELS);
  int vertical_pixels = limited("window_vertical_pixels", 768, 1, vt::MAX_WINDOW_PIXELS);
  int horizontal_chars = limited("window_horizontal_chars", 80, 1, vt::MAX_WINDOW_CHARS);
  int vertical_chars = limited("window_vertical_chars", 24, 1, vt::MAX_WINDOW_CHARS);
  FUZZ_CHECK(config.getWindowHorizontalPixels() == horizontal_pixels);
  FUZZ_CHECK(config.getWindowVerticalPixels() == vertical_pixels);
  FUZZ_CHECK(config.getWindowHorizontalChars() == horizontal_chars);
  FUZZ_CHECK(config.getWindowVerticalChars() == vertical_chars);
  float font_scale = 2.0f;
  if (!(v = firstValue(items, "font_scale")).empty()) {
    char* end = nullptr;
    double read = std::strtod(v.c_str(), &end);
    // Only a whole value that a float holds, above 0, is taken.
    if (*end == '\0' && std::isfinite(read) && std::fabs(read) <= FLT_MAX && read > 0 &&
        static_cast<float>(read) > 0)
      font_scale = static_cast<float>(read);
  }
  // Nor a scale that makes glyphs larger than the engine allows.
  if (font_scale *
          std::min(static_cast<float>(horizontal_pixels) / static_cast<float>(horizontal_chars),
                   static_cast<float>(vertical_pixels) / static_cast<float>(vertical_chars)) >
      vt::MAX_GLYPH_PIXELS)
    font_scale = 2.0f;
  FUZZ_CHECK(config.getFontScale() == font_scale);
  const char* const colors[] = {"black", "red",     "green", "yellow",
                                "blue",  "magenta", "cyan",  "white"};
  vt::Color color = vt::BLACK;
  v = firstValue(items, "window_background_color");
  for (int c = vt::BLACK; c <= vt::WHITE; c++)
    if (v == colors[c]) color = static_cast<vt::Color>(c);
  FUZZ_CHECK(config.getWindowBackgroundColor() == color);
  v = firstValue(items, "window_style");
  FUZZ_CHECK(config.getWindowStyle() ==
             (v == "fullscreen" ? vt::WINDOW_STYLE_FULLSCREEN : vt::WINDOW_STYLE_DEFAULT));
  // Text past its cap, and a flag other than true or false, keep the default.
  auto capped = [&items](const char* key, const std::string& fallback, std::size_t most) {
    std::string value = firstValue(items, key);
    return value.empty() || value.size() > most ? fallback : value;
  };
  auto flag = [&items](const char* key) {
    return firstValue(items, key) == "true";  // the default, false, otherwise
  };
  FUZZ_CHECK_EQ(config.getWindowTitle(), capped("window_title", "Vantle", vt::MAX_TITLE_BYTES));
  FUZZ_CHECK(config.getShowMouse() == flag("show_mouse"));
  FUZZ_CHECK(config.getHeadless() == flag("headless"));
  FUZZ_CHECK_EQ(config.getFontFile(), capped("font_file", "vt-font.ttf", vt::MAX_FILE_NAME_BYTES));
  FUZZ_CHECK_EQ(config.getLogFile(), capped("logfile", "vantle.log", vt::MAX_FILE_NAME_BYTES));
  FUZZ_CHECK(config.getRandomSeed() == limited("random_seed", 0, INT_MIN, INT_MAX));
}

bool cleanName(const std::string& name) {
  for (char c : name)
    if (std::isspace(static_cast<unsigned char>(c)) || c == ',' || c == ':' || c == '\0')
      return false;
  return true;
}

// What every loaded configuration holds, whatever the text.
void checkConfig() {
  const vt::Config& config = vt::Config::getInstance();
  FUZZ_CHECK(config.getWindowBackgroundColor() >= vt::BLACK &&
             config.getWindowBackgroundColor() <= vt::WHITE);
  FUZZ_CHECK(config.getWindowStyle() == vt::WINDOW_STYLE_DEFAULT ||
             config.getWindowStyle() == vt::WINDOW_STYLE_FULLSCREEN);
  FUZZ_CHECK(cleanName(config.getWindowTitle()));
  FUZZ_CHECK(cleanName(config.getFontFile()));
  FUZZ_CHECK(cleanName(config.getLogFile()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Level 17 formats the parser's tracing lines as well.
  vt_fuzz::startQuietEngine(17);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text = vt_fuzz::textOf(data, size);
  vt::Config& config = vt::Config::getInstance();

  config.reset();
  vt::loadConfig(text);
  FUZZ_CHECK(config.getConfigText() == text);
  checkConfig();
  checkSettings(text);
  vt::logConfig();

  // The file's way in, from the working directory that start-up reads it in.
  vt_fuzz::writeFile(vt_fuzz::workPath(vt::CONFIG_FILENAME), text);
  std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(vt_fuzz::workDir());
  std::string joined = vt::readConfig();
  std::filesystem::current_path(previous);
  FUZZ_CHECK_EQ(joined, expectedFileText(text));
  config.reset();
  vt::loadConfig(joined);
  checkConfig();
  checkSettings(joined);

  // Every key finds the value of its first item, and an unknown key nothing.
  // An empty text parses nothing and would look in the previous parse.
  if (text.empty()) return 0;
  Items items = expectedItems(text);
  vt::match(text, "");
  for (const auto& item : items) {
    std::string first;
    for (const auto& other : items)
      if (other.first == item.first) {
        first = other.second;
        break;
      }
    FUZZ_CHECK_EQ(vt::match("", item.first), first);
  }
  std::string unknown = "?";
  for (const auto& item : items) unknown += item.first;
  FUZZ_CHECK_EQ(vt::match("", unknown), std::string());
  return 0;
}
