#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "TestSupport.h"
#include "resources/SpriteFile.h"
#include "vantle.h"

using namespace vt_test;
using Lines = std::vector<std::string>;

namespace {
const std::string EXAMPLE =
    "frames 2\nwidth 3\nheight 2\ncolor yellow\n.o.\n-+-\nend\n(o)\n| |\nend\neof\n";
const std::string NO_FRAME = "ResourceManager::loadSprite(): Cannot add frame!";

// EXAMPLE with its first occurrence of from replaced by to.
std::string example(const std::string& from, const std::string& to) {
  std::string text = EXAMPLE;
  return text.replace(text.find(from), from.size(), to);
}

// Reads text as a sprite file on a fresh log; the sprite, and the log in lines.
std::unique_ptr<vt::Sprite> read(const std::string& text, Lines& lines) {
  vt::LogManager::getInstance().shutDown();
  startPlainLog();
  std::istringstream in(text);
  std::unique_ptr<vt::Sprite> p_sprite = vt::readSpriteFile(in);
  lines = readLines("vantle.log");
  return p_sprite;
}

// A sprite file, whether it is read, and the whole log of reading it.
struct FileCase {
  std::string text;
  bool read;
  Lines log;
};

// clang-format off
const FileCase CASES[] = {
    {EXAMPLE.substr(0, EXAMPLE.size() - 1), false,
     {"\tError line 11. End of file reached or missing newline."}},
    {example("| |", "||"), false, {"\tError line 9.  Width 2 of 3.", "\tLine is '||'", NO_FRAME}},
    {example(".o.", ".o. "), false,
     {"\tError line 5.  Width 4 of 3.", "\tLine is '.o. '", NO_FRAME}},
    {example("frames", "Frames"), false, {"\tError line 1.  Expected 'frames #'", "\tHave 'Frames 2'"}},
    {example("frames 2", "frames"), false, {"\tError line 1.  Expected 'frames #'", "\tHave 'frames'"}},
    {example("width 3", "height 3"), false,
     {"\tError line 2.  Expected 'width #'", "\tHave 'height 3'"}},
    {"frames 2\nwidth 3\n", false, {"\tError line 3.  Unexpected end of file."}},
    {example("-+-\nend", "-+-\nend!"), false,
     {"\tError line 7.  Expected 'end'.", "\tLine is 'end!'.", NO_FRAME}},
    {example("frames 2", "frames 1"), false, {"\tError line 8.  Expected 'eof'.", "\tLine is '(o)'."}},
    // Ends inside a frame: "eof" is read as the third frame's first row.
    {example("frames 2", "frames 3"), false, {NO_FRAME}},
    {EXAMPLE.substr(0, EXAMPLE.find("| |")), false, {NO_FRAME}},
    {EXAMPLE.substr(0, EXAMPLE.find("end\neof")), false, {NO_FRAME}},
    {example("height 2", "height 2147483647"), false, {NO_FRAME}},
    {example("width 3", "width 2147483647"), false,
     {"\tError line 5.  Width 3 of 2147483647.", "\tLine is '.o.'", NO_FRAME}},
    {"frames 1\n" + std::string(300000, 'x'), false, {"\tError line 2.  Unexpected end of file."}},
    {example("frames 2", "frames 2000000000"), false,
     {"Sprite::Sprite(): Unable to allocate 2000000000 frames.", NO_FRAME,
      "                               Framecount is 1, max is 2000000000."}},
    {example("yellow", "default"), true, {}},
    {example("yellow", "Yellow"), true,
     {"ResourceManager::loadSprite(): Unrecognized color 'Yellow'",
      "  Valid colors are: black, red, green, yellow,",
      "                    blue, magenta, cyan and white."}},
};
// clang-format on
}  // namespace

using SpriteFileTest = InTempDir;

TEST_F(SpriteFileTest, FilesAreReadOrRefusedWithTheLineAndTheReason) {
  for (const FileCase& c : CASES) {
    SCOPED_TRACE(c.text.substr(0, 60));
    Lines log;
    EXPECT_EQ(read(c.text, log) != nullptr, c.read);
    EXPECT_EQ(log, c.log);
  }
}

TEST_F(SpriteFileTest, CarriageReturnsAreIgnoredAndUnknownColoursDrawWhite) {
  std::string crlf;
  for (char c : EXAMPLE) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  Lines log;
  for (const std::string& text : {EXAMPLE, crlf}) {
    std::unique_ptr<vt::Sprite> p_sprite = read(text, log);
    ASSERT_NE(p_sprite, nullptr);
    EXPECT_EQ(log, Lines{});
    EXPECT_EQ(p_sprite->getWidth() * 10 + p_sprite->getHeight(), 32);
    EXPECT_EQ(p_sprite->getColor(), vt::YELLOW);
    EXPECT_EQ(p_sprite->getFrame(0).getString() + p_sprite->getFrame(1).getString() +
                  p_sprite->getFrame(2).getString(),
              ".o.-+-(o)| |");
  }
  EXPECT_EQ(read(example("yellow", "Yellow"), log)->getColor(), vt::WHITE);
}
