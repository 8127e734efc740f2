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

int number(const std::string& value) {
  return static_cast<int>(
      std::clamp<long>(std::strtol(value.c_str(), nullptr, 10), INT_MIN, INT_MAX));
}

// The file's text as the loader should see it: comment and empty lines
// dropped, one carriage return cut from each line, the rest joined.
std::string expectedFileText(const std::string& file) {
  std::string text, line;
  std::string::size_type start = 0;
  while (start < file.size()) {
    std::string::size_type end = std::min(file.find('\n', start), file.size());
    line = file.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] != '#') text += line;
  }
  return text;
}

// Config holds the defaults, changed by the first value of each key that
// has one, converted as the table of keys says.
void checkSettings(const std::string& text) {
  const vt::Config& config = vt::Config::getInstance();
  Items items = expectedItems(text);
  std::string v;
  // The engine keeps the default of a number past its limit.
  auto limited = [&items](const char* key, int fallback, int limit) {
    std::string value = firstValue(items, key);
    return value.empty() || number(value) > limit ? fallback : number(value);
  };
  FUZZ_CHECK(config.getFrameTime() == limited("frame_time", 33, vt::MAX_FRAME_TIME));
  int horizontal_pixels = limited("window_horizontal_pixels", 1024, vt::MAX_WINDOW_PIXELS);
  int vertical_pixels = limited("window_vertical_pixels", 768, vt::MAX_WINDOW_PIXELS);
  int horizontal_chars =
      (v = firstValue(items, "window_horizontal_chars")).empty() ? 80 : number(v);
  int vertical_chars = (v = firstValue(items, "window_vertical_chars")).empty() ? 24 : number(v);
  FUZZ_CHECK(config.getWindowHorizontalPixels() == horizontal_pixels);
  FUZZ_CHECK(config.getWindowVerticalPixels() == vertical_pixels);
  FUZZ_CHECK(config.getWindowHorizontalChars() == horizontal_chars);
  FUZZ_CHECK(config.getWindowVerticalChars() == vertical_chars);
  float font_scale = 2.0f;
  if (!(v = firstValue(items, "font_scale")).empty()) {
    double read = std::strtod(v.c_str(), nullptr);
    // A value no float can hold is not taken.
    if (std::isfinite(read) && std::fabs(read) <= FLT_MAX) font_scale = static_cast<float>(read);
  }
  // Nor a scale that makes glyphs larger than the engine allows.
  if (horizontal_chars > 0 && vertical_chars > 0 &&
      font_scale *
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
  FUZZ_CHECK_EQ(config.getWindowTitle(),
                (v = firstValue(items, "window_title")).empty() ? std::string("Vantle") : v);
  FUZZ_CHECK(config.getShowMouse() == (firstValue(items, "show_mouse") == "true"));
  FUZZ_CHECK(config.getHeadless() == (firstValue(items, "headless") == "true"));
  FUZZ_CHECK_EQ(config.getFontFile(),
                (v = firstValue(items, "font_file")).empty() ? std::string("vt-font.ttf") : v);
  FUZZ_CHECK_EQ(config.getLogFile(),
                (v = firstValue(items, "logfile")).empty() ? std::string("vantle.log") : v);
  FUZZ_CHECK(config.getRandomSeed() ==
             ((v = firstValue(items, "random_seed")).empty() ? 0 : number(v)));
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
