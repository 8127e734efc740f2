#include "core/Config.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <sstream>

#include "core/FileAccess.h"
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
  display = "window";
  font_file = "vt-font.ttf";
  logfile = "vantle.log";
  random_seed = 0;
  log_size_limit = LOG_SIZE_LIMIT_DEFAULT;
  record_file.clear();
  replay_file.clear();
  master_volume = MAX_VOLUME;
  config_text.clear();
  warnings.clear();
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
std::string Config::getDisplay() const { return display; }
void Config::setDisplay(std::string new_display) { display = std::move(new_display); }
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
std::vector<std::string> Config::getWarnings() const { return warnings; }
void Config::addWarning(std::string warning) { warnings.push_back(std::move(warning)); }
void Config::clearWarnings() { warnings.clear(); }

namespace {

// Says a warning now (on standard error before the log opens) and keeps it
// for the log.
void warn(const std::string& warning) {
  LogManager::getInstance().writeLog("%s", warning.c_str());
  Config::getInstance().addWarning(warning);
}

}  // namespace

std::string readConfig() {
  LogManager& log = LogManager::getInstance();
  Config::getInstance().clearWarnings();
  std::error_code ignored;
  // The file is optional; one that is there but cannot be read is worth
  // saying so.
  if (!std::filesystem::exists(CONFIG_FILENAME, ignored)) {
    log.writeLog(1, "readConfig(): Cannot open Vantle configuration file '%s'.",
                 CONFIG_FILENAME.c_str());
    return "";
  }
  std::string content;
  std::string reason = readFile(CONFIG_FILENAME, MAX_CONFIG_BYTES, content);
  if (!reason.empty()) {
    warn("readConfig(): Warning! Cannot read Vantle configuration file '" + CONFIG_FILENAME +
         "': " + reason + ".  Using defaults.");
    return "";
  }
  std::istringstream file(content);
  std::string text, line;
  int items = 0, line_number = 0;
  bool in_item = false;  // lines join without a separator, so items may span them
  while (std::getline(file, line)) {
    line_number++;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    for (char c : line) {
      if (c == ',') {
        in_item = false;
      } else if (!in_item && !std::isspace(static_cast<unsigned char>(c))) {
        in_item = true;
        if (++items > MAX_CONFIG_ITEMS) break;
      }
    }
    if (items > MAX_CONFIG_ITEMS) {
      warn("readConfig(): Warning! Vantle configuration file '" + CONFIG_FILENAME +
           "' holds more than " + std::to_string(MAX_CONFIG_ITEMS) + " items.  Line " +
           std::to_string(line_number) + " and those after it are ignored.");
      break;
    }
    text += line;
  }
  // The items are read as a C string would be: a zero byte ends them.
  if (text.find('\0') != std::string::npos)
    warn("readConfig(): Warning! Vantle configuration file '" + CONFIG_FILENAME +
         "' holds a zero byte.  What follows it is ignored.");
  return text;
}

namespace {

// One configuration key: how its value is applied to the settings, and the
// setting's name for a refusal.
struct ConfigKey {
  const char* key;
  const char* what;
  /// Applies value: empty when taken, else what the key takes.
  std::string (*apply)(Config& config, const std::string& value);
};

void refuse(const char* key, const char* what, const std::string& value, const std::string& takes) {
  // A value too long for the key is shown cut.
  const std::size_t shown = 64;
  std::string text = value.size() > shown ? value.substr(0, shown) + "..." : value;
  warn(std::string("loadConfig(): Unsupported ") + what + " '" + text + "'; " + key + " takes " +
       takes + ".");
}

std::string takeInt(Config& c, const std::string& v, int low, int high, void (Config::*set)(int)) {
  int number;
  if (readWholeInt(v, number) && number >= low && number <= high) {
    (c.*set)(number);
    return "";
  }
  return "a whole number from " + std::to_string(low) + " to " + std::to_string(high);
}

std::string takeText(Config& c, const std::string& v, std::size_t most,
                     void (Config::*set)(std::string)) {
  if (v.size() > most) return "at most " + std::to_string(most) + " bytes";
  (c.*set)(v);
  return "";
}

std::string takeBool(Config& c, const std::string& v, void (Config::*set)(bool)) {
  if (v != "true" && v != "false") return "true or false";
  (c.*set)(v == "true");
  return "";
}

const char* const FONT_SCALE_TAKES = "a number above 0";

// In the order the keys are looked up.
const ConfigKey CONFIG_KEYS[] = {
    // A longer frame would hold the program asleep past any signal or key.
    {"frame_time", "frame time",
     [](Config& c, const std::string& v) {
       return takeInt(c, v, 0, MAX_FRAME_TIME, &Config::setFrameTime);
     }},
    {"font_scale", "font scale",
     [](Config& c, const std::string& v) -> std::string {
       float scale;
       if (!readWholeFloat(v, scale) || scale <= 0) return FONT_SCALE_TAKES;
       c.setFontScale(scale);
       return "";
     }},
    {"window_horizontal_pixels", "window horizontal pixels",
     [](Config& c, const std::string& v) {
       return takeInt(c, v, 1, MAX_WINDOW_PIXELS, &Config::setWindowHorizontalPixels);
     }},
    {"window_vertical_pixels", "window vertical pixels",
     [](Config& c, const std::string& v) {
       return takeInt(c, v, 1, MAX_WINDOW_PIXELS, &Config::setWindowVerticalPixels);
     }},
    {"window_horizontal_chars", "window horizontal characters",
     [](Config& c, const std::string& v) {
       return takeInt(c, v, 1, MAX_WINDOW_CHARS, &Config::setWindowHorizontalChars);
     }},
    {"window_vertical_chars", "window vertical characters",
     [](Config& c, const std::string& v) {
       return takeInt(c, v, 1, MAX_WINDOW_CHARS, &Config::setWindowVerticalChars);
     }},
    {"window_background_color", "window color",
     [](Config& c, const std::string& v) -> std::string {
       Color color;
       if (!readColorName(v, color))
         return "black, red, green, yellow, blue, magenta, cyan or white";
       c.setWindowBackgroundColor(color);
       return "";
     }},
    {"window_style", "window style",
     [](Config& c, const std::string& v) -> std::string {
       if (v != "fullscreen" && v != "default") return "default or fullscreen";
       c.setWindowStyle(v == "fullscreen" ? WINDOW_STYLE_FULLSCREEN : WINDOW_STYLE_DEFAULT);
       return "";
     }},
    {"window_title", "window title",
     [](Config& c, const std::string& v) {
       return takeText(c, v, MAX_TITLE_BYTES, &Config::setWindowTitle);
     }},
    {"show_mouse", "show mouse",
     [](Config& c, const std::string& v) { return takeBool(c, v, &Config::setShowMouse); }},
    {"headless", "headless",
     [](Config& c, const std::string& v) { return takeBool(c, v, &Config::setHeadless); }},
    // The terminal, once asked for on the command line, stays.
    {"display", "display",
     [](Config& c, const std::string& v) -> std::string {
       if (v != "window" && v != "terminal") return "window or terminal";
       if (c.getDisplay() == "window") c.setDisplay(v);
       return "";
     }},
    {"font_file", "font file",
     [](Config& c, const std::string& v) {
       return takeText(c, v, MAX_FILE_NAME_BYTES, &Config::setFontFile);
     }},
    {"logfile", "log file",
     [](Config& c, const std::string& v) {
       return takeText(c, v, MAX_FILE_NAME_BYTES, &Config::setLogFile);
     }},
    {"random_seed", "random seed",
     [](Config& c, const std::string& v) {
       return takeInt(c, v, INT_MIN, INT_MAX, &Config::setRandomSeed);
     }},
    {"log_size_limit", "log size limit",
     [](Config& c, const std::string& v) {
       return takeInt(c, v, 1, INT_MAX, &Config::setLogSizeLimit);
     }},
    {"master_volume", "master volume",
     [](Config& c, const std::string& v) {
       return takeInt(c, v, 0, MAX_VOLUME, &Config::setMasterVolume);
     }},
    // A file named on the command line wins.
    {"record_file", "record file",
     [](Config& c, const std::string& v) -> std::string {
       if (!c.getRecordFile().empty()) return "";
       return takeText(c, v, MAX_FILE_NAME_BYTES, &Config::setRecordFile);
     }},
    {"replay_file", "replay file",
     [](Config& c, const std::string& v) -> std::string {
       if (!c.getReplayFile().empty()) return "";
       return takeText(c, v, MAX_FILE_NAME_BYTES, &Config::setReplayFile);
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
    std::string takes = entry.apply(config, value);
    if (!takes.empty())
      refuse(entry.key, entry.what, value, takes);
    else if (std::string(entry.key) == "font_scale")
      scale_text = value;
  }
  // The scale is judged once the window's sizes are known too.
  if (!scale_text.empty() && glyphPixels(config) > MAX_GLYPH_PIXELS) {
    config.setFontScale(previous_scale);
    refuse("font_scale", "font scale", scale_text,
           std::string(FONT_SCALE_TAKES) + " giving glyphs of at most " +
               numberText(MAX_GLYPH_PIXELS) + " pixels");
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

bool takeDisplayOption(const std::string& option) {
  if (option != "--terminal") return false;
  Config::getInstance().setDisplay("terminal");
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
