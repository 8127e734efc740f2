#include <gtest/gtest.h>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
class ConfigTest : public InTempDir {
 protected:
  vt::Config& config = vt::Config::getInstance();

  void load(const std::string& file_text) {
    writeFile("vt-config.txt", file_text);
    vt::loadConfig(vt::readConfig());
  }
};
}  // namespace

TEST_F(ConfigTest, LinesNeedTheirTrailingCommas) {
  load("window_horizontal_chars:100,\nwindow_vertical_chars:40,\n");
  EXPECT_EQ(config.getWindowHorizontalChars(), 100);
  EXPECT_EQ(config.getWindowVerticalChars(), 40);
  EXPECT_EQ(config.getFrameTime(), 33);
  EXPECT_EQ(config.getLogFile(), "vantle.log");

  config.reset();
  load("window_horizontal_chars:100\nwindow_vertical_chars:40\n");
  EXPECT_EQ(vt::match("", "window_horizontal_chars"), "100window_vertical_chars");
  EXPECT_EQ(config.getWindowHorizontalChars(), 100);
  EXPECT_EQ(config.getWindowVerticalChars(), 24);
}

TEST_F(ConfigTest, WhitespaceCommentsRepeatsAndCarriageReturns) {
  load(
      "# frame_time:1,\n"
      "window_title:My Game,\r\n"
      "\tframe_time : 50 ,frame_time:60,\n"
      "\n"
      "logfile:a#b.log,,\n"
      "font_file:C:/fonts/x.ttf,\n");
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

  vt::LogManager::getInstance().setLogTimeString(false);
  vt::LogManager::getInstance().setLogStepCount(false);
  testing::internal::CaptureStderr();
  load("window_background_color:Yellow,window_style:Huge,");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "loadConfig(): Unsupported window color 'Yellow'\n"
            "loadConfig(): Unsupported window style 'Huge'\n");
  EXPECT_EQ(config.getWindowBackgroundColor(), vt::YELLOW);
  EXPECT_EQ(config.getWindowStyle(), 8);

  load("window_style:default,frame_time:99999999999,");
  EXPECT_EQ(config.getWindowStyle(), 5);
  EXPECT_EQ(config.getFrameTime(), 2147483647);
}

TEST_F(ConfigTest, FontScaleThatNoFloatHoldsKeepsThePreviousScale) {
  vt::LogManager::getInstance().setLogTimeString(false);
  vt::LogManager::getInstance().setLogStepCount(false);
  testing::internal::CaptureStderr();
  for (const char* value : {"1e300", "-1e39", "inf", "nan"})
    load(std::string("font_scale:") + value + ",");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "loadConfig(): Unsupported font scale '1e300'\n"
            "loadConfig(): Unsupported font scale '-1e39'\n"
            "loadConfig(): Unsupported font scale 'inf'\n"
            "loadConfig(): Unsupported font scale 'nan'\n");
  EXPECT_EQ(config.getFontScale(), 2.0f);
  load("font_scale:big,");  // not a number: atof's 0
  EXPECT_EQ(config.getFontScale(), 0.0f);
}

TEST_F(ConfigTest, MatchSkipsEmptyItemsAndStopsAtAnItemOfColons) {
  EXPECT_EQ(vt::match(",,a:1,::b::2:3,c,:::,d:4", "a"), "1");
  EXPECT_EQ(vt::match("", "b"), "2");
  EXPECT_EQ(vt::match("", "c"), "");
  EXPECT_EQ(vt::match("", "d"), "");
  EXPECT_EQ(vt::match("", "A"), "");
  // A new text replaces the earlier parse.
  EXPECT_EQ(vt::match("x:9", "a"), "");
}

TEST_F(ConfigTest, MissingFileKeepsDefaultsAndIgnoresAnEarlierParse) {
  vt::match("frame_time:5", "");
  vt::loadConfig(vt::readConfig());
  EXPECT_EQ(config.getFrameTime(), 33);

  vt::LogManager::getInstance().setLogLevel(1);
  vt::LogManager::getInstance().setLogTimeString(false);
  vt::LogManager::getInstance().setLogStepCount(false);
  testing::internal::CaptureStderr();
  EXPECT_EQ(vt::readConfig(), "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "readConfig(): Cannot open Vantle configuration file 'vt-config.txt'.\n");
}

TEST_F(ConfigTest, PrintOutListsEverySettingAtLevelOne) {
  load("window_title:Maze,headless:true,");
  vt::LogManager::getInstance().setLogLevel(1);
  startPlainLog();
  vt::logConfig();
  vt::LogManager::getInstance().shutDown();
  std::vector<std::string> lines = readLines("vantle.log");
  std::vector<std::string> expected = {"LogManager::startUp(): successfully started.",
                                       "-----------------------------------",
                                       "Vantle configuration:",
                                       "  Window horizontal pixels: 1024",
                                       "  Window vertical pixels: 768",
                                       "  Window horizontal characters: 80",
                                       "  Window vertical characters: 24",
                                       "  Window background color: 0",
                                       "  Frame time: 33",
                                       "  Window style: default",
                                       "  Window title: Maze",
                                       "  Show mouse: false",
                                       "  Headless: true",
                                       "  Font file: vt-font.ttf",
                                       "  Log file: vantle.log",
                                       "  Random seed: 0",
                                       "-----------------------------------",
                                       "LogManager::shutDown(): successfully stopped."};
  EXPECT_EQ(lines, expected);
}
