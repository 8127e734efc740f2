#include <gtest/gtest.h>

#include <regex>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
using LogTest = InTempDir;

bool matches(const std::string& text, const char* pattern) {
  return std::regex_match(text, std::regex(pattern));
}
}  // namespace

TEST_F(LogTest, DefaultStartBeginsWithBannerPrefixedByTimeAndStep) {
  writeFile("vt-config.txt", "headless:true,\n");
  ASSERT_EQ(vt::GameManager::getInstance().startUp(), 0);
  vt::GameManager::getInstance().shutDown();
  std::vector<std::string> lines = readLines("vantle.log");
  ASSERT_GE(lines.size(), 2u);
  EXPECT_TRUE(matches(lines[0], R"(^\d\d:\d\d:\d\d    0 \*{52}$)")) << lines[0];
  EXPECT_TRUE(matches(lines[1], R"(^\d\d:\d\d:\d\d    0 \*\* Vantle version 4\.2 \*\*$)"))
      << lines[1];
}

TEST_F(LogTest, LevelsAndPrefixesDecideWhatAndHowLinesAreWritten) {
  vt::LogManager& log = vt::LogManager::getInstance();
  log.setFlush(true);
  ASSERT_EQ(log.startUp(), 0);
  EXPECT_EQ(log.writeLog(1, "hidden %d", 1), 0);
  log.setLogLevel(5);
  log.writeLog(5, "at five");
  log.writeLog(6, "above five");
  log.setLogTimeString(false);
  log.writeLog("step only");
  log.setLogStepCount(false);
  log.writeLog("bare");
  std::vector<std::string> lines = readLines("vantle.log");  // readable at once: flushed
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_TRUE(matches(lines[0], R"(^\d\d:\d\d:\d\d    0 at five$)")) << lines[0];
  EXPECT_EQ(lines[1], "   0 step only");
  EXPECT_EQ(lines[2], "bare");

  EXPECT_EQ(log.startUp(), -1);
  log.shutDown();
  EXPECT_TRUE(contains(readLines("vantle.log"),
                       "LogManager::startup(): Warning! LogManager already started."));
}

TEST_F(LogTest, LinesOutsideStartAndStopGoToStandardErrorInTheSameFormat) {
  vt::LogManager& log = vt::LogManager::getInstance();
  testing::internal::CaptureStderr();
  log.writeLog("before %s", "start");
  std::string before = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(matches(before, R"(^\d\d:\d\d:\d\d    0 before start\n$)")) << before;

  startPlainLog();
  testing::internal::CaptureStderr();
  log.writeLog("into the file");
  log.shutDown();
  log.writeLog("after stop");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "after stop\n");
  EXPECT_TRUE(contains(readLines("vantle.log"), "into the file"));

  vt::Config::getInstance().setLogFile("no/such/folder/x.log");
  testing::internal::CaptureStderr();
  EXPECT_EQ(log.startUp(), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "LogManager::startup(): Warning! Unable to open file 'no/such/folder/x.log'.\n\n");
  EXPECT_FALSE(log.isStarted());
}

TEST(TextHelpers, ValuesPrintAsADefaultStreamPrintsThem) {
  EXPECT_EQ(vt::toString(3.0f) + vt::toString(0.99f) + vt::toString(-0.5f), "30.99-0.5");
  EXPECT_EQ(vt::toString(1.0f / 3.0f), "0.333333");
  EXPECT_EQ(vt::toString('x') + vt::toString('\0') + vt::toString(-12), "x0-12");
  EXPECT_EQ(vt::toString(true) + vt::toString(false), "truefalse");
  EXPECT_TRUE(matches(vt::getTimeString(), R"(^\d\d:\d\d:\d\d$)"));
}
