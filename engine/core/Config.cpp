#include "core/Config.h"

#include <cctype>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/LogManager.h"

namespace vt {

Config::Config() { reset(); }

Config& Config::getInstance() {
  static Config instance;
  return instance;
}

void Config::reset() {
  frame_time = 33;
  font_scale = 2.0f;
  window_horizontal_pixels = 1024;
  window_vertical_pixels = 768;
  window_horizontal_chars = 80;
  window_vertical_chars = 24;
  window_background_color = BLACK;
  window_style = WINDOW_STYLE_DEFAULT;
  window_title = "Vantle";
  show_mouse = false;
  headless = false;
  font_file = "vt-font.ttf";
  logfile = "vantle.log";
  random_seed = 0;
  config_text.clear();
}

int Config::getFrameTime() const { return frame_time; }
void Config::setFrameTime(int new_frame_time) { frame_time = new_frame_time; }
float Config::getFontScale() const { return font_scale; }
void Config::setFontScale(float new_font_scale) { font_scale = new_font_scale; }
int Config::getWindowHorizontalPixels() const { return window_horizontal_pixels; }
void Config::setWindowHorizontalPixels(int pixels) { window_horizontal_pixels = pixels; }
int Config::getWindowVerticalPixels() const { return window_vertical_pixels; }
void Config::setWindowVerticalPixels(int pixels) { window_vertical_pixels = pixels; }
int Config::getWindowHorizontalChars() const { return window_horizontal_chars; }
void Config::setWindowHorizontalChars(int chars) { window_horizontal_chars = chars; }
int Config::getWindowVerticalChars() const { return window_vertical_chars; }
void Config::setWindowVerticalChars(int chars) { window_vertical_chars = chars; }
Color Config::getWindowBackgroundColor() const { return window_background_color; }
void Config::setWindowBackgroundColor(Color color) { window_background_color = color; }
int Config::getWindowStyle() const { return window_style; }
void Config::setWindowStyle(int style) { window_style = style; }
std::string Config::getWindowTitle() const { return window_title; }
void Config::setWindowTitle(std::string title) { window_title = std::move(title); }
bool Config::getShowMouse() const { return show_mouse; }
void Config::setShowMouse(bool show) { show_mouse = show; }
bool Config::getHeadless() const { return headless; }
void Config::setHeadless(bool new_headless) { headless = new_headless; }
std::string Config::getFontFile() const { return font_file; }
void Config::setFontFile(std::string file) { font_file = std::move(file); }
std::string Config::getLogFile() const { return logfile; }
void Config::setLogFile(std::string file) { logfile = std::move(file); }
int Config::getRandomSeed() const { return random_seed; }
void Config::setRandomSeed(int seed) { random_seed = seed; }
std::string Config::getConfigText() const { return config_text; }
void Config::setConfigText(std::string text) { config_text = std::move(text); }

std::string readConfig() {
  LogManager& log = LogManager::getInstance();
  std::error_code ignored;
  // The file is optional; one that is there but cannot be read (a
  // directory opens, then reads nothing) is worth saying so.
  if (!std::filesystem::exists(CONFIG_FILENAME, ignored)) {
    log.writeLog(1, "readConfig(): Cannot open Vantle configuration file '%s'.",
                 CONFIG_FILENAME.c_str());
    return "";
  }
  std::ifstream file;
  if (std::filesystem::is_regular_file(CONFIG_FILENAME, ignored))
    file.open(CONFIG_FILENAME, std::ios::binary);
  if (!file.is_open()) {
    log.writeLog(
        "readConfig(): Warning! Cannot read Vantle configuration file '%s'.  Using defaults.",
        CONFIG_FILENAME.c_str());
    return "";
  }
  std::string text, line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    text += line;
  }
  // The items are read as a C string would be: a zero byte ends them.
  if (text.find('\0') != std::string::npos)
    log.writeLog(
        "readConfig(): Warning! Vantle configuration file '%s' holds a zero byte.  What follows "
        "it is ignored.",
        CONFIG_FILENAME.c_str());
  return text;
}

namespace {

// The parse shared by every caller of match(): one parse, many lookups.
std::vector<std::string> parsed_keys;
std::vector<std::string> parsed_values;

// Pieces of text between separators; empty pieces are dropped.
std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> pieces;
  std::string::size_type start = 0;
  while (start <= text.size()) {
    std::string::size_type end = text.find(separator, start);
    if (end == std::string::npos) end = text.size();
    if (end > start) pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

void parse(std::string text) {
  LogManager& log = LogManager::getInstance();
  // The text is handled as a C string: anything after a zero char is ignored.
  text = text.substr(0, text.find('\0'));
  std::string compact;
  for (char c : text)
    if (!std::isspace(static_cast<unsigned char>(c))) compact += c;

  parsed_keys.clear();
  parsed_values.clear();
  int elements = 1;
  for (char c : compact)
    if (c == ',') elements++;
  log.writeLog(15, "match(): number of elements allocated is %d", elements);

  int number = 0;
  for (const std::string& item : split(compact, ',')) {
    std::vector<std::string> parts = split(item, ':');
    if (parts.empty()) break;
    std::string value = parts.size() > 1 ? parts[1] : "";
    log.writeLog(15, "\titem number %d", number);
    log.writeLog(15, "\tkey %s", parts[0].c_str());
    log.writeLog(15, "\tval %s", value.c_str());
    log.writeLog(17, "\titem '%s' stored as %d", item.c_str(), number);
    parsed_keys.push_back(parts[0]);
    parsed_values.push_back(value);
    number++;
  }
  log.writeLog(15, "match(): parsed.");
  for (std::size_t i = 0; i < parsed_keys.size(); i++)
    log.writeLog(17, "\t%d  %s : %s", static_cast<int>(i), parsed_keys[i].c_str(),
                 parsed_values[i].c_str());
}

// atoi's reading of leading digits, held within int range.
int toInt(const std::string& value) {
  long number = std::strtol(value.c_str(), nullptr, 10);
  if (number > INT_MAX) return INT_MAX;
  if (number < INT_MIN) return INT_MIN;
  return static_cast<int>(number);
}

// atof's reading, when a float can hold it: an out-of-range number would
// make the conversion undefined, and an infinite or NaN scale no glyphs.
bool toFloat(const std::string& value, float& result) {
  double number = std::strtod(value.c_str(), nullptr);
  if (!std::isfinite(number) || std::fabs(number) > FLT_MAX) return false;
  result = static_cast<float>(number);
  return true;
}

const char* const COLOR_NAMES[] = {"black", "red",     "green", "yellow",
                                   "blue",  "magenta", "cyan",  "white"};

}  // namespace

std::string match(std::string text, std::string key) {
  LogManager& log = LogManager::getInstance();
  if (!text.empty()) {
    log.writeLog(15, "match(): parsing '%s' for key '%s'", text.c_str(), key.c_str());
    parse(text);
  }
  log.writeLog(15, "match(): Looking for match '%s' among %d items.", key.c_str(),
               static_cast<int>(parsed_keys.size()));
  for (std::size_t i = 0; i < parsed_keys.size(); i++) {
    log.writeLog(17, "match(): %d: %s == %s?", static_cast<int>(i), key.c_str(),
                 parsed_keys[i].c_str());
    if (parsed_keys[i] == key) return parsed_values[i];
  }
  return "";
}

void loadConfig(std::string text) {
  Config& config = Config::getInstance();
  config.setConfigText(text);
  // An empty text parses nothing, so it must not be looked up in an older parse.
  if (text.empty()) return;
  match(text, "");

  LogManager& log = LogManager::getInstance();
  std::string value;
  if (!(value = match("", "frame_time")).empty()) config.setFrameTime(toInt(value));
  if (!(value = match("", "font_scale")).empty()) {
    float scale;
    if (toFloat(value, scale))
      config.setFontScale(scale);
    else
      log.writeLog("loadConfig(): Unsupported font scale '%s'", value.c_str());
  }
  if (!(value = match("", "window_horizontal_pixels")).empty())
    config.setWindowHorizontalPixels(toInt(value));
  if (!(value = match("", "window_vertical_pixels")).empty())
    config.setWindowVerticalPixels(toInt(value));
  if (!(value = match("", "window_horizontal_chars")).empty())
    config.setWindowHorizontalChars(toInt(value));
  if (!(value = match("", "window_vertical_chars")).empty())
    config.setWindowVerticalChars(toInt(value));
  if (!(value = match("", "window_background_color")).empty()) {
    bool known = false;
    for (int c = BLACK; c <= WHITE && !known; c++) {
      if (value == COLOR_NAMES[c]) {
        config.setWindowBackgroundColor(static_cast<Color>(c));
        known = true;
      }
    }
    if (!known) log.writeLog("loadConfig(): Unsupported window color '%s'", value.c_str());
  }
  if (!(value = match("", "window_style")).empty()) {
    if (value == "fullscreen")
      config.setWindowStyle(WINDOW_STYLE_FULLSCREEN);
    else if (value == "default")
      config.setWindowStyle(WINDOW_STYLE_DEFAULT);
    else
      log.writeLog("loadConfig(): Unsupported window style '%s'", value.c_str());
  }
  if (!(value = match("", "window_title")).empty()) config.setWindowTitle(value);
  if (!(value = match("", "show_mouse")).empty()) config.setShowMouse(value == "true");
  if (!(value = match("", "headless")).empty()) config.setHeadless(value == "true");
  if (!(value = match("", "font_file")).empty()) config.setFontFile(value);
  if (!(value = match("", "logfile")).empty()) config.setLogFile(value);
  if (!(value = match("", "random_seed")).empty()) config.setRandomSeed(toInt(value));
}

void logConfig() {
  const Config& c = Config::getInstance();
  LogManager& log = LogManager::getInstance();
  const char* rule = "-----------------------------------";
  log.writeLog(1, "%s", rule);
  log.writeLog(1, "Vantle configuration:");
  log.writeLog(1, "  Window horizontal pixels: %d", c.getWindowHorizontalPixels());
  log.writeLog(1, "  Window vertical pixels: %d", c.getWindowVerticalPixels());
  log.writeLog(1, "  Window horizontal characters: %d", c.getWindowHorizontalChars());
  log.writeLog(1, "  Window vertical characters: %d", c.getWindowVerticalChars());
  log.writeLog(1, "  Window background color: %d", static_cast<int>(c.getWindowBackgroundColor()));
  log.writeLog(1, "  Frame time: %d", c.getFrameTime());
  log.writeLog(1, "  Window style: %s",
               c.getWindowStyle() == WINDOW_STYLE_DEFAULT ? "default" : "fullscreen");
  log.writeLog(1, "  Window title: %s", c.getWindowTitle().c_str());
  log.writeLog(1, "  Show mouse: %s", c.getShowMouse() ? "true" : "false");
  log.writeLog(1, "  Headless: %s", c.getHeadless() ? "true" : "false");
  log.writeLog(1, "  Font file: %s", c.getFontFile().c_str());
  log.writeLog(1, "  Log file: %s", c.getLogFile().c_str());
  log.writeLog(1, "  Random seed: %d", c.getRandomSeed());
  log.writeLog(1, "%s", rule);
}

}  // namespace vt
