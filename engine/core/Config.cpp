#include "core/Config.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/LogManager.h"
#include "core/TextValue.h"

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
  log_size_limit = LOG_SIZE_LIMIT_DEFAULT;
  record_file.clear();
  replay_file.clear();
  master_volume = MAX_VOLUME;
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
int Config::getLogSizeLimit() const { return log_size_limit; }
void Config::setLogSizeLimit(int bytes) { log_size_limit = bytes; }
std::string Config::getRecordFile() const { return record_file; }
void Config::setRecordFile(std::string file) { record_file = std::move(file); }
std::string Config::getReplayFile() const { return replay_file; }
void Config::setReplayFile(std::string file) { replay_file = std::move(file); }
int Config::getMasterVolume() const { return master_volume; }
void Config::setMasterVolume(int volume) { master_volume = volume; }
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

// One configuration key: how its value is applied to the settings, with the
// message for a value it refuses.
struct ConfigKey {
  const char* key;
  void (*apply)(Config& config, const std::string& value);
};

void refuse(const char* what, const std::string& value) {
  LogManager::getInstance().writeLog("loadConfig(): Unsupported %s '%s'", what, value.c_str());
}

// An integer setting up to limit is taken, a larger one refused.
void setAtMost(Config& c, const std::string& v, int limit, const char* what,
               void (Config::*set)(int)) {
  if (readInt(v) > limit)
    refuse(what, v);
  else
    (c.*set)(readInt(v));
}

// In the order the keys are looked up.
const ConfigKey CONFIG_KEYS[] = {
    // A longer frame would hold the program asleep past any signal or key.
    {"frame_time",
     [](Config& c, const std::string& v) {
       setAtMost(c, v, MAX_FRAME_TIME, "frame time", &Config::setFrameTime);
     }},
    {"font_scale",
     [](Config& c, const std::string& v) {
       // An infinite or NaN scale would give no glyphs.
       float scale;
       if (readFloat(v, scale))
         c.setFontScale(scale);
       else
         refuse("font scale", v);
     }},
    {"window_horizontal_pixels",
     [](Config& c, const std::string& v) {
       setAtMost(c, v, MAX_WINDOW_PIXELS, "window horizontal pixels",
                 &Config::setWindowHorizontalPixels);
     }},
    {"window_vertical_pixels",
     [](Config& c, const std::string& v) {
       setAtMost(c, v, MAX_WINDOW_PIXELS, "window vertical pixels",
                 &Config::setWindowVerticalPixels);
     }},
    {"window_horizontal_chars",
     [](Config& c, const std::string& v) { c.setWindowHorizontalChars(readInt(v)); }},
    {"window_vertical_chars",
     [](Config& c, const std::string& v) { c.setWindowVerticalChars(readInt(v)); }},
    {"window_background_color",
     [](Config& c, const std::string& v) {
       Color color;
       if (readColorName(v, color))
         c.setWindowBackgroundColor(color);
       else
         refuse("window color", v);
     }},
    {"window_style",
     [](Config& c, const std::string& v) {
       if (v == "fullscreen")
         c.setWindowStyle(WINDOW_STYLE_FULLSCREEN);
       else if (v == "default")
         c.setWindowStyle(WINDOW_STYLE_DEFAULT);
       else
         refuse("window style", v);
     }},
    {"window_title", [](Config& c, const std::string& v) { c.setWindowTitle(v); }},
    {"show_mouse", [](Config& c, const std::string& v) { c.setShowMouse(v == "true"); }},
    {"headless", [](Config& c, const std::string& v) { c.setHeadless(v == "true"); }},
    {"font_file", [](Config& c, const std::string& v) { c.setFontFile(v); }},
    {"logfile", [](Config& c, const std::string& v) { c.setLogFile(v); }},
    {"random_seed", [](Config& c, const std::string& v) { c.setRandomSeed(readInt(v)); }},
    {"log_size_limit",
     [](Config& c, const std::string& v) {
       if (readInt(v) <= 0)
         refuse("log size limit", v);
       else
         c.setLogSizeLimit(readInt(v));
     }},
    {"master_volume",
     [](Config& c, const std::string& v) {
       if (readInt(v) < 0)
         refuse("master volume", v);
       else
         setAtMost(c, v, MAX_VOLUME, "master volume", &Config::setMasterVolume);
     }},
    // A file named on the command line wins.
    {"record_file",
     [](Config& c, const std::string& v) {
       if (c.getRecordFile().empty()) c.setRecordFile(v);
     }},
    {"replay_file",
     [](Config& c, const std::string& v) {
       if (c.getReplayFile().empty()) c.setReplayFile(v);
     }},
};

// The glyph size the settings give, as the graphics manager will compute it.
float glyphPixels(const Config& c) {
  if (c.getWindowHorizontalChars() <= 0 || c.getWindowVerticalChars() <= 0) return 0;
  float width = static_cast<float>(c.getWindowHorizontalPixels()) /
                static_cast<float>(c.getWindowHorizontalChars());
  float height = static_cast<float>(c.getWindowVerticalPixels()) /
                 static_cast<float>(c.getWindowVerticalChars());
  return c.getFontScale() * std::min(width, height);
}

}  // namespace

void loadConfig(std::string text) {
  Config& config = Config::getInstance();
  config.setConfigText(text);
  // An empty text parses nothing, so it must not be looked up in an older parse.
  if (text.empty()) return;
  match(text, "");
  float previous_scale = config.getFontScale();
  std::string scale_text;
  for (const ConfigKey& entry : CONFIG_KEYS) {
    std::string value = readItem(entry.key);
    if (value.empty()) continue;
    entry.apply(config, value);
    if (std::string(entry.key) == "font_scale") scale_text = value;
  }
  // The scale is judged once the window's sizes are known too.
  if (!scale_text.empty() && glyphPixels(config) > MAX_GLYPH_PIXELS) {
    config.setFontScale(previous_scale);
    refuse("font scale", scale_text);
  }
}

bool takeRunOption(const std::string& option, const std::string& file) {
  Config& config = Config::getInstance();
  if (option == "--record")
    config.setRecordFile(file);
  else if (option == "--replay")
    config.setReplayFile(file);
  else
    return false;
  return true;
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
