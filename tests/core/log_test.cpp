#include <gtest/gtest.h>

#include <regex>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
const std::regex PREFIXED(R"(^\d\d:\d\d:\d\d +\d+ (.*)$)");

class LogTest : public InTempDir {};
}  // namespace

TEST_F(LogTest, DefaultStartBeginsWithBannerPrefixedByTimeAndStep) {
  writeFile("vt-config.txt", "headless:true,\n");
  ASSERT_EQ(vt::GameManager::getInstance().startUp(), 0);
  vt::GameManager::getInstance().shutDown();
  std::vector<std::string> lines = readLines("vantle.log");
  ASSERT_GE(lines.size(), 2u);
  EXPECT_TRUE(std::regex_match(lines[0], std::regex(R"(^\d\d:\d\d:\d\d    0 \*{52}$)")))
      << lines[0];
  EXPECT_TRUE(std::regex_match(
      lines[1], std::regex(R"(^\d\d:\d\d:\d\d    0 \*\* Vantle version 4\.2 \*\*$)")))
      << lines[1];
}

TEST_F(LogTest, LevelledLinesAppearOnlyAtOrBelowTheLogLevel) {
  startPlainLog();
  vt::LogManager& log = vt::LogManager::getInstance();
  EXPECT_EQ(log.writeLog(1, "hidden %d", 1), 0);
  log.setLogLevel(5);
  log.writeLog(5, "at five");
  log.writeLog(6, "above five");
  log.writeLog("always");
  log.shutDown();
  EXPECT_EQ(readLines("vantle.log"),
            (std::vector<std::string>{"at five", "always",
                                      "LogManager::shutDown(): successfully stopped."}));
}

TEST_F(LogTest, LinesOutsideStartAndStopGoToStandardErrorInTheSameFormat) {
  vt::LogManager& log = vt::LogManager::getInstance();
  testing::internal::CaptureStderr();
  log.writeLog("before %s", "start");
  std::string before = testing::internal::GetCapturedStderr();
  std::smatch m;
  ASSERT_TRUE(std::regex_match(before, m, std::regex(R"(^\d\d:\d\d:\d\d    0 before start\n$)")))
      << before;

  log.setFlush(true);
  ASSERT_EQ(log.startUp(), 0);
  testing::internal::CaptureStderr();
  log.writeLog("into the file");
  log.shutDown();
  log.writeLog("after stop");
  std::string after = testing::internal::GetCapturedStderr();
  EXPECT_NE(after.find("after stop\n"), std::string::npos);
  EXPECT_EQ(after.find("into the file"), std::string::npos);
  EXPECT_TRUE(contains(logMessages(), "into the file"));
}

TEST_F(LogTest, PrefixesCanBeTurnedOffAndFlushedLinesAreReadableAtOnce) {
  vt::LogManager& log = vt::LogManager::getInstance();
  log.setFlush(true);
  ASSERT_EQ(log.startUp(), 0);
  log.setLogTimeString(false);
  log.writeLog("step only");
  log.setLogStepCount(false);
  log.writeLog("bare");
  std::vector<std::string> lines = readLines("vantle.log");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "   0 step only");
  EXPECT_EQ(lines[1], "bare");
  log.shutDown();
}

TEST_F(LogTest, SecondStartIsRefusedAndUnopenableFileFails) {
  startPlainLog();
  vt::LogManager& log = vt::LogManager::getInstance();
  EXPECT_EQ(log.startUp(), -1);
  log.shutDown();
  EXPECT_TRUE(contains(readLines("vantle.log"),
                       "LogManager::startup(): Warning! LogManager already started."));

  vt::Config::getInstance().setLogFile("no/such/folder/x.log");
  testing::internal::CaptureStderr();
  EXPECT_EQ(log.startUp(), -1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err, "LogManager::startup(): Warning! Unable to open file 'no/such/folder/x.log'.\n\n");
  EXPECT_FALSE(log.isStarted());
}

TEST(TextHelpers, ValuesPrintAsADefaultStreamPrintsThem) {
  EXPECT_EQ(vt::toString(3.0f), "3");
  EXPECT_EQ(vt::toString(0.99f), "0.99");
  EXPECT_EQ(vt::toString(1.0f / 3.0f), "0.333333");
  EXPECT_EQ(vt::toString(-0.5f), "-0.5");
  EXPECT_EQ(vt::toString(-12), "-12");
  EXPECT_EQ(vt::toString('x'), "x");
  EXPECT_EQ(vt::toString('\0'), "0");
  EXPECT_EQ(vt::toString(true), "true");
  EXPECT_EQ(vt::toString(false), "false");
  EXPECT_TRUE(std::regex_match(vt::getTimeString(), std::regex(R"(^\d\d:\d\d:\d\d$)")));
}
