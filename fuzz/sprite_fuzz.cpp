// Feeds arbitrary bytes to the sprite file reader and compares what it
// makes of them with a plain reading of the file format: the same files
// load, with the same size, colour and frames.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "vantle.h"

namespace {

struct Expected {
  bool loads = false;
  int width = 0;
  int height = 0;
  vt::Color color = vt::WHITE;
  std::vector<std::string> frames;
};

// The file's lines, each without its line feed and one carriage return; a
// last line without a line feed cannot be read.
class Lines {
 public:
  explicit Lines(const std::string& file) {
    std::string::size_type start = 0, end;
    while ((end = file.find('\n', start)) != std::string::npos) {
      std::string line = file.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      start = end + 1;
    }
  }
  bool next(std::string& line) {
    if (read == lines.size()) return false;
    line = lines[read++];
    return true;
  }

 private:
  std::vector<std::string> lines;
  std::size_t read = 0;
};

// A header's value: the text after the keyword and one more character.
bool header(Lines& lines, const std::string& keyword, std::string& value) {
  std::string line;
  if (!lines.next(line) || line.rfind(keyword, 0) != 0 || line.size() <= keyword.size())
    return false;
  value = line.substr(keyword.size() + 1);
  return true;
}

// atoi's reading, held within int range.
int number(const std::string& value) {
  return static_cast<int>(
      std::clamp<long>(std::strtol(value.c_str(), nullptr, 10), INT_MIN, INT_MAX));
}

Expected expectedSprite(const std::string& file) {
  Expected sprite;
  Lines lines(file);
  std::string frames, width, height, color;
  if (!header(lines, "frames", frames) || number(frames) <= 0) return sprite;
  if (!header(lines, "width", width) || number(width) <= 0) return sprite;
  if (!header(lines, "height", height) || number(height) <= 0) return sprite;
  if (!header(lines, "color", color) || color.empty()) return sprite;
  sprite.width = number(width);
  sprite.height = number(height);
  const char* const names[] = {"black", "red", "green", "yellow", "blue", "magenta", "cyan"};
  for (int c = vt::BLACK; c <= vt::CYAN; c++)
    if (color == names[c]) sprite.color = static_cast<vt::Color>(c);
  // More frames than a sprite makes room for fail at the first one.
  if (number(frames) > vt::MAX_SPRITE_FRAMES) return sprite;
  std::string line;
  for (int i = 0; i < number(frames); i++) {
    std::string frame;
    for (int row = 0; row < sprite.height; row++) {
      if (!lines.next(line) || line.size() != static_cast<std::size_t>(sprite.width)) return sprite;
      frame += line;
    }
    if (!lines.next(line) || line != "end") return sprite;
    sprite.frames.push_back(frame);
  }
  sprite.loads = lines.next(line) && line == "eof";
  return sprite;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Level 10 lets the reader's summary lines through too.
  vt_fuzz::startQuietEngine(10);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string file = vt_fuzz::textOf(data, size);
  std::istringstream in(file);
  std::unique_ptr<vt::Sprite> p_sprite = vt::readSpriteFile(in);
  Expected expected = expectedSprite(file);
  FUZZ_CHECK((p_sprite != nullptr) == expected.loads);
  if (p_sprite) {
    FUZZ_CHECK(p_sprite->getWidth() == expected.width);
    FUZZ_CHECK(p_sprite->getHeight() == expected.height);
    FUZZ_CHECK(p_sprite->getColor() == expected.color);
    FUZZ_CHECK(p_sprite->getFrameCount() == static_cast<int>(expected.frames.size()));
    for (int i = 0; i < p_sprite->getFrameCount(); i++) {
      vt::Frame frame = p_sprite->getFrame(i);
      FUZZ_CHECK(frame.getWidth() == expected.width && frame.getHeight() == expected.height);
      FUZZ_CHECK_EQ(frame.getString(), expected.frames[static_cast<std::size_t>(i)]);
    }
    FUZZ_CHECK(p_sprite->getFrame(-1).getString().empty());
    FUZZ_CHECK(p_sprite->getFrame(p_sprite->getFrameCount()).getString().empty());
  }
  return 0;
}
