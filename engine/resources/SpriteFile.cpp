#include "resources/SpriteFile.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "core/LogManager.h"
#include "core/TextValue.h"

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
  return readInt(value);
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

struct SpriteHeader {
  int frames = 0;
  int width = 0;
  int height = 0;
  std::string color_name;
};

// The four header lines; false after a message.
bool readSpriteHeader(std::istream& file, int& line_number, SpriteHeader& header) {
  LogManager& log = LogManager::getInstance();
  header.frames = readLineInt(file, line_number, "frames");
  if (header.frames <= 0) {
    log.writeLog(10, "ResourceManager::loadSprite(): error readLineInt().  frames %d",
                 header.frames);
    return false;
  }
  header.width = readLineInt(file, line_number, "width");
  if (header.width <= 0) {
    log.writeLog(10, "ResourceManager::loadSprite(): error readLineInt().  width %d", header.width);
    return false;
  }
  header.height = readLineInt(file, line_number, "height");
  if (header.height <= 0) {
    log.writeLog(10, "ResourceManager::loadSprite(): error readLineInt().  height %d",
                 header.height);
    return false;
  }
  header.color_name = readLineStr(file, line_number, "color");
  if (header.color_name.empty()) {
    log.writeLog(10, "ResourceManager::loadSprite(): error readLineStr().  Color '%s'",
                 header.color_name.c_str());
    return false;
  }
  log.writeLog(5, "%31sFrames: %d", "", header.frames);
  log.writeLog(5, "%32sWidth: %d", "", header.width);
  log.writeLog(5, "%31sHeight: %d", "", header.height);
  log.writeLog(5, "%32sColor: %s", "", header.color_name.c_str());
  return true;
}

// After the messages about a file, which file it was and what became of
// it, when the name is known.
void nameFile(const std::string& filename, const char* outcome) {
  if (filename.empty()) return;
  LogManager::getInstance().writeLog("ResourceManager::loadSprite(): Sprite file '%s' %s.",
                                     filename.c_str(), outcome);
}

std::unique_ptr<Sprite> readSprite(std::istream& file, const std::string& filename) {
  LogManager& log = LogManager::getInstance();
  int line_number = 0;
  SpriteHeader header;
  if (!readSpriteHeader(file, line_number, header)) return nullptr;
  int frames = header.frames, width = header.width, height = header.height;
  const std::string& color_name = header.color_name;

  // The sprite refuses a capacity past MAX_SPRITE_FRAMES, so a header's
  // absurd frame count costs no memory; the first frame then cannot be added.
  auto p_new = std::make_unique<Sprite>(frames);
  p_new->setWidth(width);
  p_new->setHeight(height);
  Color color = COLOR_DEFAULT;
  if (color_name != "default" && !readColorName(color_name, color)) {
    log.writeLog("ResourceManager::loadSprite(): Unrecognized color '%s'", color_name.c_str());
    log.writeLog("  Valid colors are: black, red, green, yellow,");
    log.writeLog("                    blue, magenta, cyan and white.");
    nameFile(filename, "is drawn in the default color");
  }
  p_new->setColor(color);
  for (int i = 0; i < frames; i++) {
    Frame next = readFrame(file, line_number, width, height);
    if (next.getString().empty()) {
      log.writeLog("ResourceManager::loadSprite(): Cannot add frame!");
      return nullptr;
    }
    if (p_new->addFrame(std::move(next)) != 0) {
      log.writeLog("ResourceManager::loadSprite(): Cannot add frame!");
      log.writeLog("%31sFramecount is %d, max is %d.", "", p_new->getFrameCount() + 1, frames);
      return nullptr;
    }
  }

  Line line;
  if (!readLine(file, MAX_KEPT, line)) {
    log.writeLog("\tError line %d. End of file reached or missing newline.", line_number + 1);
    return nullptr;
  }
  discardCR(line);
  if (!isLine(line, "eof")) {
    log.writeLog("\tError line %d.  Expected '%s'.", line_number + 1, "eof");
    log.writeLog("\tLine is '%s'.", line.text.c_str());
    return nullptr;
  }

  return p_new;
}

}  // namespace

std::unique_ptr<Sprite> readSpriteFile(std::istream& file, const std::string& filename) {
  std::unique_ptr<Sprite> p_sprite = readSprite(file, filename);
  if (!p_sprite) nameFile(filename, "refused");
  return p_sprite;
}

}  // namespace vt
