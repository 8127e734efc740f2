#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "TestSupport.h"
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

class SpriteFileTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    startPlainLog();
    ASSERT_EQ(resources.startUp(), 0);
  }

  int load(const std::string& text, const std::string& label = "s") {
    writeFile("sprite.txt", text);
    return resources.loadSprite("sprite.txt", label);
  }

  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
};
}  // namespace

TEST_F(SpriteFileTest, ExampleLoadsTheSameWithAndWithoutCarriageReturns) {
  std::string crlf;
  for (char c : EXAMPLE) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ASSERT_EQ(load(EXAMPLE, "lf"), 0);
  ASSERT_EQ(load(crlf, "crlf"), 0);
  for (const char* label : {"lf", "crlf"}) {
    const vt::Sprite& sprite = *resources.getSprite(label);
    EXPECT_EQ(sprite.getLabel(), label);
    EXPECT_EQ(sprite.getFrameCount(), 2);
    EXPECT_EQ(sprite.getWidth(), 3);
    EXPECT_EQ(sprite.getHeight(), 2);
    EXPECT_EQ(sprite.getColor(), vt::YELLOW);
    EXPECT_EQ(sprite.getFrame(0).getString() + sprite.getFrame(1).getString(), ".o.-+-(o)| |");
    EXPECT_EQ(sprite.getFrame(-1).getString() + sprite.getFrame(2).getString(), "");
  }
  EXPECT_EQ(resources.getSprite("LF"), nullptr);
  EXPECT_EQ(readLines("vantle.log"), Lines{});
}

TEST_F(SpriteFileTest, FaultyFilesAreRefusedWithTheirLineNumbers) {
  const std::vector<std::pair<std::string, Lines>> cases = {
      {EXAMPLE.substr(0, EXAMPLE.size() - 1),
       {"\tError line 11. End of file reached or missing newline."}},
      {example("| |", "||"), {"\tError line 9.  Width 2 of 3.", "\tLine is '||'", NO_FRAME}},
      {example(".o.", ".o. "), {"\tError line 5.  Width 4 of 3.", "\tLine is '.o. '", NO_FRAME}},
      {example("frames", "Frames"), {"\tError line 1.  Expected 'frames #'", "\tHave 'Frames 2'"}},
      {example("frames 2", "frames"), {"\tError line 1.  Expected 'frames #'", "\tHave 'frames'"}},
      {example("width 3", "height 3"),
       {"\tError line 2.  Expected 'width #'", "\tHave 'height 3'"}},
      {"frames 2\nwidth 3\n", {"\tError line 3.  Unexpected end of file."}},
      {example("-+-\nend", "-+-\nfin"),
       {"\tError line 7.  Expected 'end'.", "\tLine is 'fin'.", NO_FRAME}},
      {example("frames 2", "frames 1"), {"\tError line 8.  Expected 'eof'.", "\tLine is '(o)'."}},
      // Ends inside a frame: "eof" is read as the third frame's first row.
      {example("frames 2", "frames 3"), {NO_FRAME}},
      {EXAMPLE.substr(0, EXAMPLE.find("| |")), {NO_FRAME}},
      {EXAMPLE.substr(0, EXAMPLE.find("end\neof")), {NO_FRAME}},
  };
  for (size_t i = 0; i < cases.size(); i++) {
    vt::LogManager::getInstance().shutDown();
    startPlainLog();
    EXPECT_EQ(load(cases[i].first), -1) << i;
    EXPECT_EQ(readLines("vantle.log"), cases[i].second) << i;
  }
  EXPECT_EQ(resources.getSprite("s"), nullptr);
}

TEST_F(SpriteFileTest, CountsThatAreNotPositiveShowTheValueReadAtLevelTen) {
  vt::LogManager::getInstance().setLogLevel(10);
  EXPECT_EQ(load(example("frames 2", "frames 0")), -1);
  EXPECT_EQ(load(example("width 3", "width -1")), -1);
  EXPECT_EQ(load(example("width 3", "width x")), -1);
  EXPECT_EQ(load(example("height 2", "height")), -1);
  EXPECT_EQ(load(example("color yellow", "color ")), -1);
  Lines log = readLines("vantle.log");
  for (const char* value : {"frames 0", "width -1", "width 0", "height -1"})
    EXPECT_TRUE(
        contains(log, std::string("ResourceManager::loadSprite(): error readLineInt().  ") + value))
        << value;
  EXPECT_TRUE(contains(log, "ResourceManager::loadSprite(): error readLineStr().  Color ''"));
}

TEST_F(SpriteFileTest, UnknownColourIsLoggedAndTheSpriteStaysWhite) {
  ASSERT_EQ(load(example("yellow", "Yellow")), 0);
  EXPECT_EQ(resources.getSprite("s")->getColor(), vt::WHITE);
  EXPECT_EQ(readLines("vantle.log"),
            (Lines{"ResourceManager::loadSprite(): Unrecognized color 'Yellow'",
                   "  Valid colors are: black, red, green, yellow,",
                   "                    blue, magenta, cyan and white."}));
}

TEST_F(SpriteFileTest, AbsurdInputFailsWithAMessage) {
  std::filesystem::create_directory("folder");
  EXPECT_EQ(resources.loadSprite("folder", "s"), -1);
  EXPECT_EQ(resources.loadSprite("missing.txt", "s"), -1);
  EXPECT_EQ(readLines("vantle.log"),
            (Lines{"ResourceManager::loadSprite(): Cannot open file 'folder'",
                   "ResourceManager::loadSprite(): Cannot open file 'missing.txt'"}));
  vt::LogManager::getInstance().setLogLevel(10);
  EXPECT_EQ(load(example("frames 2", "frames 99999999999")), -1);
  EXPECT_EQ(load(example("frames 2", "frames -99999999999")), -1);
  EXPECT_EQ(load(example("height 2", "height 2147483647")), -1);
  EXPECT_EQ(load(example("width 3", "width 2147483647")), -1);
  EXPECT_EQ(load("frames 1\n" + std::string(300000, 'x')), -1);
  std::string binary = "frames 1\nwidth 2\nheight 1\ncolor red\n";
  for (int i = 0; i < 4096; i++) binary += static_cast<char>(i * 37 % 256);
  EXPECT_EQ(load(binary), -1);
  Lines log = readLines("vantle.log");
  EXPECT_EQ(count(log, NO_FRAME), 4);
  EXPECT_TRUE(contains(log, "\tError line 5.  Width 3 of 2147483647."));
  EXPECT_TRUE(
      contains(log, "ResourceManager::loadSprite(): error readLineInt().  frames -2147483648"));
  EXPECT_TRUE(contains(log, "\tError line 2.  Unexpected end of file."));
  EXPECT_EQ(resources.getSprite("s"), nullptr);
}

TEST_F(SpriteFileTest, LookupFindsTheFirstOfALabelUntilShutDown) {
  ASSERT_EQ(load(EXAMPLE, "twin"), 0);
  ASSERT_EQ(load(example("yellow", "red"), "twin"), 0);
  EXPECT_EQ(resources.getSprite("twin")->getColor(), vt::YELLOW);
  resources.shutDown();
  EXPECT_EQ(resources.getSprite("twin"), nullptr);
  EXPECT_EQ(load(EXAMPLE), -1);
  EXPECT_TRUE(contains(readLines("vantle.log"), "ResourceManager not started!"));
}

TEST_F(SpriteFileTest, TheThousandAndFirstSpriteIsRefused) {
  for (int i = 0; i < vt::MAX_SPRITES; i++) ASSERT_EQ(load(EXAMPLE, std::to_string(i)), 0);
  EXPECT_EQ(load(EXAMPLE, "extra"), -1);
  EXPECT_EQ(readLines("vantle.log"),
            (Lines{"ResourceManager::loadSprite(): Unable to add more Sprites (max is 1000)", ""}));
  EXPECT_NE(resources.getSprite("999"), nullptr);
  EXPECT_EQ(resources.getSprite("extra"), nullptr);
}

TEST_F(SpriteFileTest, CapacityBeyondTheLimitIsRefusedLikeAFailedAllocation) {
  for (int capacity : {-1, vt::MAX_SPRITE_FRAMES + 1, 2000000000, INT_MAX}) {
    vt::Sprite none(capacity);
    EXPECT_EQ(none.addFrame(vt::Frame(1, 1, "a")), -1) << capacity;
  }
  vt::Sprite largest(vt::MAX_SPRITE_FRAMES);
  EXPECT_EQ(largest.addFrame(vt::Frame(1, 1, "a")), 0);
  EXPECT_EQ(readLines("vantle.log"),
            (Lines{"Sprite::Sprite(): Unable to allocate -1 frames.",
                   "Sprite::Sprite(): Unable to allocate 1048577 frames.",
                   "Sprite::Sprite(): Unable to allocate 2000000000 frames.",
                   "Sprite::Sprite(): Unable to allocate 2147483647 frames."}));
}

TEST_F(SpriteFileTest, FileOfTwoBillionFramesFailsAtItsFirstFrame) {
  EXPECT_EQ(load(example("frames 2", "frames 2000000000")), -1);
  EXPECT_EQ(readLines("vantle.log"),
            (Lines{"Sprite::Sprite(): Unable to allocate 2000000000 frames.", NO_FRAME,
                   "                               Framecount is 1, max is 2000000000."}));
}
