#include <gtest/gtest.h>

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
  load("window_style:default,frame_time:99999999999,");
  EXPECT_EQ(config.getWindowStyle(), 5);
  EXPECT_EQ(config.getFrameTime(), 2147483647);
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
