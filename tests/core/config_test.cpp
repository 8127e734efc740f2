#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
class ConfigTest : public InTempDir {
 protected:
  // Loads file_text as the configuration file, if given; what went to stderr, unprefixed.
  std::string load(const char* file_text = nullptr) {
    if (file_text) writeFile("vt-config.txt", file_text);
    vt::LogManager::getInstance().setLogTimeString(false);
    vt::LogManager::getInstance().setLogStepCount(false);
    testing::internal::CaptureStderr();
    vt::loadConfig(vt::readConfig());
    return testing::internal::GetCapturedStderr();
  }
  vt::Config& config = vt::Config::getInstance();
};
}  // namespace

TEST_F(ConfigTest, ItemsEndInCommasLoseAllWhitespaceAndTheFirstOfARepeatWins) {
  load("window_horizontal_chars:100,\nwindow_vertical_chars:40,\n");
  EXPECT_EQ(config.getWindowVerticalChars(), 40);
  config.reset();
  load("window_horizontal_chars:100\nwindow_vertical_chars:40\n");  // one item
  EXPECT_EQ(vt::match("", "window_horizontal_chars"), "100window_vertical_chars");
  EXPECT_EQ(config.getWindowHorizontalChars(), 100);
  EXPECT_EQ(config.getWindowVerticalChars(), 24);

  load(
      "# frame_time:1,\nwindow_title:My Game,\r\n\tframe_time : 50 ,frame_time:60,\n\n"
      "logfile:a#b.log,,\nfont_file:C:/fonts/x.ttf,\n");
  EXPECT_EQ(config.getWindowTitle(), "MyGame");
  EXPECT_EQ(config.getFrameTime(), 50);
  EXPECT_EQ(config.getLogFile(), "a#b.log");
  EXPECT_EQ(config.getFontFile(), "C");
}

TEST_F(ConfigTest, ValuesConvertOrAreRefusedWithTheirMessages) {
  load(
      "window_background_color:yellow,window_style:fullscreen,headless:yes,show_mouse:true,"
      "frame_time:fast,font_scale:1.5,random_seed:42,");
  EXPECT_EQ(config.getWindowBackgroundColor(), vt::YELLOW);
  EXPECT_EQ(config.getWindowStyle(), 8);
  EXPECT_FALSE(config.getHeadless());
  EXPECT_TRUE(config.getShowMouse());
  EXPECT_EQ(config.getFrameTime(), 0);
  EXPECT_FLOAT_EQ(config.getFontScale(), 1.5f);
  EXPECT_EQ(config.getRandomSeed(), 42);

  EXPECT_EQ(load("window_background_color:Yellow,window_style:Huge,"),
            "loadConfig(): Unsupported window color 'Yellow'\n"
            "loadConfig(): Unsupported window style 'Huge'\n");
  EXPECT_EQ(config.getWindowBackgroundColor(), vt::YELLOW);
  EXPECT_EQ(config.getWindowStyle(), 8);
  EXPECT_EQ(load("window_style:default,frame_time:99999999999,"),
            "loadConfig(): Unsupported frame time '99999999999'\n");
  EXPECT_EQ(config.getWindowStyle(), 5);
  EXPECT_EQ(config.getFrameTime(), 0);
}

TEST_F(ConfigTest, FontScaleThatNoFloatHoldsKeepsThePreviousScale) {
  for (std::string value : {"1e300", "-1e39", "inf", "nan"}) {
    EXPECT_EQ(load(("font_scale:" + value + ",").c_str()),
              "loadConfig(): Unsupported font scale '" + value + "'\n");
    EXPECT_EQ(config.getFontScale(), 2.0f);
  }
  load("font_scale:big,");  // not a number: atof's 0
  EXPECT_EQ(config.getFontScale(), 0.0f);
}

TEST_F(ConfigTest, MatchSkipsEmptyItemsAndStopsAtAnItemOfColons) {
  EXPECT_EQ(vt::match(",,a:1,::b::2:3,c,:::,d:4", "a"), "1");
  EXPECT_EQ(vt::match("", "b"), "2");
  for (const char* key : {"c", "d", "A"}) EXPECT_EQ(vt::match("", key), "") << key;
  EXPECT_EQ(vt::match("x:9", "a"), "");  // a new text replaces the earlier parse

  vt::LogManager::getInstance().setLogLevel(1);
  vt::match("frame_time:5", "");  // a missing file keeps the defaults, not the last parse
  EXPECT_EQ(load(), "readConfig(): Cannot open Vantle configuration file 'vt-config.txt'.\n");
  EXPECT_EQ(config.getFrameTime(), 33);
}

TEST_F(ConfigTest, PrintOutListsEverySettingAtLevelOne) {
  load("window_title:Maze,headless:true,frame_time:20,");
  vt::LogManager::getInstance().setLogLevel(1);
  startPlainLog();
  vt::logConfig();
  std::vector<std::string> lines = readLines("vantle.log");
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[1], "-----------------------------------");
  EXPECT_EQ(lines[2], "Vantle configuration:");
  EXPECT_EQ(lines[16], lines[1]);
  for (const char* setting : {"Window vertical pixels: 768", "Window horizontal characters: 80",
                              "Frame time: 20", "Window style: default", "Window title: Maze",
                              "Show mouse: false", "Headless: true", "Random seed: 0"})
    EXPECT_TRUE(contains(lines, std::string("  ") + setting)) << setting;
}

// A file that is there but cannot be read, or holds binary data, says so
// on the way in; an empty one is no news. Settings before a zero byte count.
TEST_F(ConfigTest, UnreadableOrBinaryFilesWarnAndKeepTheDefaults) {
  vt::LogManager::getInstance().setLogTimeString(false);
  vt::LogManager::getInstance().setLogStepCount(false);
  // What reading and applying the file writes (to stderr: no log is open).
  auto readBack = [] {
    testing::internal::CaptureStderr();
    vt::loadConfig(vt::readConfig());
    return testing::internal::GetCapturedStderr();
  };
  const std::string unreadable =
      "readConfig(): Warning! Cannot read Vantle configuration file 'vt-config.txt'.  Using "
      "defaults.\n";
  std::filesystem::create_directory("vt-config.txt");
  EXPECT_EQ(readBack(), unreadable);
  std::filesystem::remove("vt-config.txt");
  writeFile("vt-config.txt", "frame_time:7,\n");
  if (geteuid() != 0) {  // root reads whatever the mode says
    chmod("vt-config.txt", 0);
    EXPECT_EQ(readBack(), unreadable);
    EXPECT_EQ(config.getFrameTime(), 33);
  }
  writeFile("vt-config.txt", "");
  EXPECT_EQ(readBack(), "");
  EXPECT_EQ(config.getFrameTime(), 33);

  const char binary[] = "frame_time:7,\n\x01\0:\xff,frame_time:9,window_title:x,";
  writeFile("vt-config.txt", std::string(binary, sizeof binary - 1));
  EXPECT_EQ(readBack(),
            "readConfig(): Warning! Vantle configuration file 'vt-config.txt' holds a zero byte.  "
            "What follows it is ignored.\n");
  EXPECT_EQ(config.getFrameTime(), 7);
  EXPECT_EQ(config.getWindowTitle(), "Vantle");

  std::mt19937 rng(11);
  std::string noise;
  for (int i = 0; i < 4096; i++) noise += static_cast<char>(rng() % 256);
  config.reset();
  writeFile("vt-config.txt", noise);
  readBack();
  EXPECT_EQ(config.getFrameTime(), 33);
  EXPECT_FALSE(config.getHeadless());
  EXPECT_EQ(config.getLogFile(), "vantle.log");
  EXPECT_EQ(config.getFontFile(), "vt-font.ttf");
}
