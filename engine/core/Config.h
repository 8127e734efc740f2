// Engine settings, each with a built-in default, read from the optional
// "vt-config.txt" at start-up.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "presentation/Color.h"

namespace vt {

/// Name of the configuration file in the working directory.
const std::string CONFIG_FILENAME = "vt-config.txt";

/// The largest frame time, window side in pixels and glyph in pixels a
/// configuration may ask for: beyond them a frame would never end, or a
/// window or its glyphs would exhaust the machine.
const int MAX_FRAME_TIME = 10000;
const int MAX_WINDOW_PIXELS = 16384;
const float MAX_GLYPH_PIXELS = 512;

/// The most cells a window side may be divided into, and the longest title
/// and file name a configuration may give: a window system refuses longer
/// ones by ending the program.
const int MAX_WINDOW_CHARS = 1024;
const std::size_t MAX_TITLE_BYTES = 256;
const std::size_t MAX_FILE_NAME_BYTES = 4096;

/// The configuration file's largest size and most items: it has a few
/// dozen keys at most.
const std::size_t MAX_CONFIG_BYTES = 64 * 1024;
const int MAX_CONFIG_ITEMS = 256;

/// Default for the log's size before it is moved aside: 64 MiB.
const int LOG_SIZE_LIMIT_DEFAULT = 64 << 20;

/// The loudest master volume, and the default.
const int MAX_VOLUME = 100;

/// SFML style flags: title bar plus close button, and full screen.
const int WINDOW_STYLE_DEFAULT = 5;
const int WINDOW_STYLE_FULLSCREEN = 8;

class Config {
 public:
  static Config& getInstance();
  Config(const Config&) = delete;
  Config& operator=(const Config&) = delete;

  int getFrameTime() const;
  void setFrameTime(int new_frame_time);
  float getFontScale() const;
  void setFontScale(float new_font_scale);
  int getWindowHorizontalPixels() const;
  void setWindowHorizontalPixels(int pixels);
  int getWindowVerticalPixels() const;
  void setWindowVerticalPixels(int pixels);
  int getWindowHorizontalChars() const;
  void setWindowHorizontalChars(int chars);
  int getWindowVerticalChars() const;
  void setWindowVerticalChars(int chars);
  Color getWindowBackgroundColor() const;
  void setWindowBackgroundColor(Color color);
  int getWindowStyle() const;
  void setWindowStyle(int style);
  std::string getWindowTitle() const;
  void setWindowTitle(std::string title);
  bool getShowMouse() const;
  void setShowMouse(bool show);
  bool getHeadless() const;
  void setHeadless(bool headless);
  /// Where the picture is shown: "window" or "terminal".
  std::string getDisplay() const;
  void setDisplay(std::string display);
  std::string getFontFile() const;
  void setFontFile(std::string file);
  std::string getLogFile() const;
  void setLogFile(std::string file);
  int getRandomSeed() const;
  void setRandomSeed(int seed);
  /// Bytes a log file may hold before it is moved aside for a new one.
  int getLogSizeLimit() const;
  void setLogSizeLimit(int bytes);
  /// Where the run's input is recorded; empty for no recording.
  std::string getRecordFile() const;
  void setRecordFile(std::string file);
  /// A recording whose input the run replays instead of the live input;
  /// empty for none.
  std::string getReplayFile() const;
  void setReplayFile(std::string file);
  /// Loudness of every sound and track together, 0 (silent) to 100.
  int getMasterVolume() const;
  void setMasterVolume(int volume);
  std::string getConfigText() const;
  void setConfigText(std::string text);
  /// The warnings reading and loading the configuration gave, said on
  /// standard error before the log opens, for the log to hold too.
  std::vector<std::string> getWarnings() const;
  void addWarning(std::string warning);
  void clearWarnings();

  /// Puts every setting back to its built-in default.
  void reset();

 private:
  Config();

  int frame_time;
  float font_scale;
  int window_horizontal_pixels;
  int window_vertical_pixels;
  int window_horizontal_chars;
  int window_vertical_chars;
  Color window_background_color;
  int window_style;
  std::string window_title;
  bool show_mouse;
  bool headless;
  std::string display;
  std::string font_file;
  std::string logfile;
  int random_seed;
  int log_size_limit;
  std::string record_file;
  std::string replay_file;
  int master_volume;
  std::string config_text;
  std::vector<std::string> warnings;
};

/// The configuration file's comment-free lines joined into one text, up to
/// the most items taken; empty when the file is missing, or cannot be read
/// or is too large (a warning then).
std::string readConfig();

/// Stores the text and applies every key found in it to Config; a value
/// not of its key's type and range is refused with a warning naming the
/// key, and the setting kept.
void loadConfig(std::string text);

/// Takes a program's "--record FILE" or "--replay FILE" option into the
/// configuration, where it wins over the configuration file's key; whether
/// the option was one of these.
bool takeRunOption(const std::string& option, const std::string& file);

/// Takes a program's "--terminal" option into the configuration: the run
/// is shown in the terminal, whatever the configuration file says; whether
/// the option was it.
bool takeDisplayOption(const std::string& option);

/// Writes the current settings to the log at level 1.
void logConfig();

}  // namespace vt
