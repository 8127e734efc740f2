#include "resources/ResourceManager.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

#include "core/LogManager.h"

namespace vt {

namespace {

// The longest part of a line that is kept for values and messages. A longer
// line is still counted in full, so a huge or binary file cannot exhaust
// memory however long its lines are.
const std::size_t MAX_KEPT = 65536;

struct Line {
  std::string text;        // the first characters of the line
  std::size_t length = 0;  // of the whole line
  char last = '\0';
};

// Reads one line without its line feed; false when the file ends or fails
// before the line feed.
bool readLine(std::istream& in, std::size_t max_kept, Line& line) {
  line = Line();
  char c;
  while (in.get(c)) {
    if (c == '\n') return true;
    if (line.text.size() < max_kept) line.text += c;
    line.length++;
    line.last = c;
  }
  return false;
}

// Removes one carriage return ending the line, so CR LF files read alike.
void discardCR(Line& line) {
  if (line.length == 0 || line.last != '\r') return;
  if (line.text.size() == line.length) line.text.pop_back();
  line.length--;
  line.last = '\0';
}

// Whole-line comparison, not fooled by a kept prefix.
bool isLine(const Line& line, const std::string& text) {
  return line.length == text.size() && line.text == text;
}

// For messages: a length past what %d shows is clamped.
int lengthOf(const Line& line) {
  return static_cast<int>(std::min<std::size_t>(line.length, INT_MAX));
}

// Like atoi, but an out-of-range number saturates instead of wrapping.
int toInt(const std::string& text) {
  long value = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

// Reads the header line "keyword value": the character after the keyword
// is skipped whatever it is. False after a message.
bool readHeader(std::istream& in, int& line_number, const std::string& keyword,
                std::string& value) {
  LogManager& log = LogManager::getInstance();
  line_number++;
  Line line;
  if (!readLine(in, MAX_KEPT, line)) {
    log.writeLog("\tError line %d.  Unexpected end of file.", line_number);
    return false;
  }
  discardCR(line);
  // The keyword alone has no separator and no value to read.
  if (line.text.rfind(keyword, 0) != 0 || line.length <= keyword.size()) {
    log.writeLog("\tError line %d.  Expected '%s #'", line_number, keyword.c_str());
    log.writeLog("\tHave '%s'", line.text.c_str());
    return false;
  }
  value = line.text.substr(keyword.size() + 1);
  return true;
}

// The header's number, or -1 after a message.
int readLineInt(std::istream& in, int& line_number, const std::string& keyword) {
  std::string value;
  if (!readHeader(in, line_number, keyword, value)) return -1;
  return toInt(value);
}

// The header's value, or "" after a message.
std::string readLineStr(std::istream& in, int& line_number, const std::string& keyword) {
  std::string value;
  if (!readHeader(in, line_number, keyword, value)) return "";
  return value;
}

// The frame of height rows of exactly width characters closed by "end", or
// an empty frame. The end of the file is left for the caller to report.
Frame readFrame(std::istream& in, int& line_number, int width, int height) {
  LogManager& log = LogManager::getInstance();
  // Room for the row and its carriage return, and for a long wrong row in
  // the message.
  std::size_t max_kept = std::max<std::size_t>(static_cast<std::size_t>(width) + 1, MAX_KEPT);
  std::string frame_str;
  Line line;
  for (int row = 0; row < height; row++) {
    line_number++;
    if (!readLine(in, max_kept, line)) return Frame();
    discardCR(line);
    if (line.length != static_cast<std::size_t>(width)) {
      log.writeLog("\tError line %d.  Width %d of %d.", line_number, lengthOf(line), width);
      log.writeLog("\tLine is '%s'", line.text.c_str());
      return Frame();
    }
    frame_str += line.text;
  }
  line_number++;
  if (!readLine(in, MAX_KEPT, line)) return Frame();
  discardCR(line);
  if (!isLine(line, "end")) {
    log.writeLog("\tError line %d.  Expected '%s'.", line_number, "end");
    log.writeLog("\tLine is '%s'.", line.text.c_str());
    return Frame();
  }
  return Frame(width, height, frame_str);
}

// The colour a sprite file names; false for a name it does not know.
bool toColor(const std::string& name, Color& color) {
  static const std::pair<const char*, Color> NAMES[] = {
      {"black", BLACK},     {"red", RED},   {"green", GREEN}, {"yellow", YELLOW}, {"blue", BLUE},
      {"magenta", MAGENTA}, {"cyan", CYAN}, {"white", WHITE}, {"default", WHITE}};
  for (const auto& entry : NAMES) {
    if (name == entry.first) {
      color = entry.second;
      return true;
    }
  }
  return false;
}

}  // namespace

ResourceManager::ResourceManager() : sprite_count(0), sound_count(0), music_count(0) {
  setType("ResourceManager");
}

ResourceManager::~ResourceManager() = default;

ResourceManager& ResourceManager::getInstance() {
  static ResourceManager instance;
  return instance;
}

int ResourceManager::startUp() {
  sprite_count = 0;
  sound_count = 0;
  music_count = 0;
  Manager::startUp();
  LogManager::getInstance().writeLog(1, "ResourceManager::startUp(): successfully started.");
  return 0;
}

void ResourceManager::shutDown() {
  for (int i = 0; i < sprite_count; i++) p_sprite[i].reset();
  sprite_count = 0;
  for (int i = 0; i < sound_count; i++) sound[i].stop();
  for (int i = 0; i < music_count; i++) music[i].stop();
  Manager::shutDown();
  LogManager::getInstance().writeLog(1, "ResourceManager::shutDown(): successfully stopped.");
}

int ResourceManager::loadSprite(std::string filename, std::string label) {
  LogManager& log = LogManager::getInstance();
  if (!isStarted()) {
    log.writeLog("%s not started!", getType().c_str());
    return -1;
  }
  if (sprite_count == MAX_SPRITES) {
    log.writeLog("ResourceManager::loadSprite(): Unable to add more Sprites (max is %d)\n",
                 MAX_SPRITES);
    return -1;
  }

  // Directories, devices and pipes are refused: they have no end to read to.
  std::error_code ignored;
  std::ifstream file;
  if (std::filesystem::is_regular_file(filename, ignored)) file.open(filename);
  if (!file.is_open()) {
    log.writeLog("ResourceManager::loadSprite(): Cannot open file '%s'", filename.c_str());
    return -1;
  }
  log.writeLog(1, "ResourceManager::loadSprite(): Opened file '%s'", filename.c_str());
  int line_number = 0;

  int frames = readLineInt(file, line_number, "frames");
  if (frames <= 0) {
    log.writeLog(10, "ResourceManager::loadSprite(): error readLineInt().  frames %d", frames);
    return -1;
  }
  int width = readLineInt(file, line_number, "width");
  if (width <= 0) {
    log.writeLog(10, "ResourceManager::loadSprite(): error readLineInt().  width %d", width);
    return -1;
  }
  int height = readLineInt(file, line_number, "height");
  if (height <= 0) {
    log.writeLog(10, "ResourceManager::loadSprite(): error readLineInt().  height %d", height);
    return -1;
  }
  std::string color_name = readLineStr(file, line_number, "color");
  if (color_name.empty()) {
    log.writeLog(10, "ResourceManager::loadSprite(): error readLineStr().  Color '%s'",
                 color_name.c_str());
    return -1;
  }
  log.writeLog(5, "%31sFrames: %d", "", frames);
  log.writeLog(5, "%32sWidth: %d", "", width);
  log.writeLog(5, "%31sHeight: %d", "", height);
  log.writeLog(5, "%32sColor: %s", "", color_name.c_str());

  // The sprite refuses a capacity past MAX_SPRITE_FRAMES, so a header's
  // absurd frame count costs no memory; the first frame then cannot be added.
  auto p_new = std::make_unique<Sprite>(frames);
  p_new->setWidth(width);
  p_new->setHeight(height);
  Color color = COLOR_DEFAULT;
  if (!toColor(color_name, color)) {
    log.writeLog("ResourceManager::loadSprite(): Unrecognized color '%s'", color_name.c_str());
    log.writeLog("  Valid colors are: black, red, green, yellow,");
    log.writeLog("                    blue, magenta, cyan and white.");
  }
  p_new->setColor(color);
  for (int i = 0; i < frames; i++) {
    Frame next = readFrame(file, line_number, width, height);
    if (next.getString().empty()) {
      log.writeLog("ResourceManager::loadSprite(): Cannot add frame!");
      return -1;
    }
    if (p_new->addFrame(std::move(next)) != 0) {
      log.writeLog("ResourceManager::loadSprite(): Cannot add frame!");
      log.writeLog("%31sFramecount is %d, max is %d.", "", p_new->getFrameCount() + 1, frames);
      return -1;
    }
  }

  Line line;
  if (!readLine(file, MAX_KEPT, line)) {
    log.writeLog("\tError line %d. End of file reached or missing newline.", line_number + 1);
    return -1;
  }
  discardCR(line);
  if (!isLine(line, "eof")) {
    log.writeLog("\tError line %d.  Expected '%s'.", line_number + 1, "eof");
    log.writeLog("\tLine is '%s'.", line.text.c_str());
    return -1;
  }

  p_new->setLabel(label);
  p_sprite[sprite_count] = std::move(p_new);
  sprite_count++;
  log.writeLog(1, "ResourceManager::loadSprite(): Sprite '%s' successfully loaded", label.c_str());
  return 0;
}

Sprite* ResourceManager::getSprite(std::string label) const {
  for (int i = 0; i < sprite_count; i++)
    if (p_sprite[i]->getLabel() == label) return p_sprite[i].get();
  return nullptr;
}

int ResourceManager::loadSound(std::string filename, std::string label) {
  LogManager& log = LogManager::getInstance();
  if (!isStarted()) {
    log.writeLog("%s not started!", getType().c_str());
    return -1;
  }
  if (sound_count == MAX_SOUNDS) {
    log.writeLog("ResourceManager::loadSound(): Unable to add more sounds (max is %d)", MAX_SOUNDS);
    return -1;
  }
  Sound& slot = sound[sound_count];
  if (slot.loadSound(filename) != 0) {
    log.writeLog("ResourceManager::loadSound(): Cannot load sound from file '%s'",
                 filename.c_str());
    return -1;
  }
  slot.setLabel(label);
  log.writeLog(1, "ResourceManager::loadSound(): Sound '%s' successfully loaded",
               slot.getLabel().c_str());
  sound_count++;
  return 0;
}

Sound* ResourceManager::getSound(std::string label) {
  LogManager& log = LogManager::getInstance();
  log.writeLog(5, "ResourceManager::getSound(): Looking for sound '%s'", label.c_str());
  for (int i = 0; i < sound_count; i++)
    if (sound[i].getLabel() == label) return &sound[i];
  log.writeLog("ResourceManager::getSound(): Sound '%s' not found", label.c_str());
  return nullptr;
}

int ResourceManager::loadMusic(std::string filename, std::string label) {
  LogManager& log = LogManager::getInstance();
  if (!isStarted()) {
    log.writeLog("%s not started!", getType().c_str());
    return -1;
  }
  if (music_count == MAX_MUSICS) {
    log.writeLog("ResourceManager::loadMusic(): Unable to add more musics (max is %d)", MAX_MUSICS);
    return -1;
  }
  if (label.empty()) {
    log.writeLog("ResourceManager::loadMusic(): Must provide label for music");
    return -1;
  }
  Music& slot = music[music_count];
  if (slot.loadMusic(filename) != 0) {
    log.writeLog("ResourceManager::loadmusic(): Cannot load music from file '%s'",
                 filename.c_str());
    return -1;
  }
  slot.setLabel(label);
  log.writeLog(1, "ResourceManager::loadMusic(): Music '%s' successfully loaded",
               slot.getLabel().c_str());
  music_count++;
  return 0;
}

Music* ResourceManager::getMusic(std::string label) {
  LogManager& log = LogManager::getInstance();
  log.writeLog(5, "ResourceManager::getMusic(): Looking for music '%s'", label.c_str());
  for (int i = 0; i < music_count; i++)
    if (music[i].getLabel() == label) return &music[i];
  log.writeLog("ResourceManager::getMusic(): Music '%s' not found", label.c_str());
  return nullptr;
}

}  // namespace vt
