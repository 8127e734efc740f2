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

TEST_F(LogTest, LevelsAndPrefixesDecideWhatAndHowLinesAreWritten) {
  vt::LogManager& log = vt::LogManager::getInstance();
  log.setFlush(true);
  ASSERT_EQ(log.startUp(), 0);
  EXPECT_EQ(log.writeLog(1, "hidden %d", 1), 0);
  log.setLogLevel(5);
  log.setStepCount(12);
  log.writeLog(5, "at five");
  log.writeLog(6, "above five");
  log.setLogTimeString(false);
  log.writeLog("step only");
  log.setLogStepCount(false);
  log.writeLog("bare");
  std::vector<std::string> lines = readLines("vantle.log");  // readable at once: flushed
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_TRUE(matches(lines[0], R"(^\d\d:\d\d:\d\d   12 at five$)")) << lines[0];
  EXPECT_EQ(lines[1], "  12 step only");
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
  EXPECT_EQ(readLines("vantle.log"), std::vector<std::string>{"into the file"});
}

TEST(TextHelpers, ValuesPrintAsADefaultStreamPrintsThem) {
  EXPECT_EQ(vt::toString(3.0f) + vt::toString(0.99f) + vt::toString(1.0f / 3), "30.990.333333");
  EXPECT_EQ(vt::toString('x') + vt::toString('\0') + vt::toString(-12) + vt::toString(true),
            "x0-12true");
  EXPECT_TRUE(matches(vt::getTimeString(), R"(^\d\d:\d\d:\d\d$)"));
}
