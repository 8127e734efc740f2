#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "vantle.h"

using namespace vt_test;

namespace {
class FramePacerTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    startPlainLog();
  }

  // A sleep that records what was asked and takes extra microseconds longer.
  vt::FramePacer::Sleeper sleeper(int extra = 0) {
    return [this, extra](int milliseconds) {
      slept.push_back(milliseconds);
      return milliseconds * 1000 + extra;
    };
  }

  std::vector<int> slept;
};
}  // namespace

TEST_F(FramePacerTest, SleepFillsTheFrameLessThePreviousOversleep) {
  vt::FramePacer pacer(33);
  pacer.pace(10000, sleeper(2000));
  EXPECT_EQ(slept, std::vector<int>{23});
  EXPECT_EQ(pacer.getAdjustTime(), 2000);
  pacer.pace(10000, sleeper());
  EXPECT_EQ(slept, (std::vector<int>{23, 21}));
  EXPECT_EQ(pacer.getAdjustTime(), 0);
  vt::LogManager::getInstance().shutDown();
  EXPECT_FALSE(contains(readLines("vantle.log"),
                        "GameManager::run(): Can't keep up! frame_time 33 ms, split 10 ms"));
}

TEST_F(FramePacerTest, AnOverrunIsReportedOnlyWhenNoOversleepWasCarried) {
  vt::FramePacer pacer(33);
  pacer.pace(40000, sleeper());
  EXPECT_TRUE(slept.empty());
  pacer.pace(20000, sleeper(15000));  // sleeps 13 ms, oversleeps 15
  pacer.pace(20000, sleeper());       // 33 - 20 - 15 < 0: silent overrun
  EXPECT_EQ(pacer.getAdjustTime(), 0);
  vt::LogManager::getInstance().shutDown();
  EXPECT_EQ(count(readLines("vantle.log"),
                  "GameManager::run(): Can't keep up! frame_time 33 ms, split 40 ms"),
            1);
  EXPECT_EQ(count(readLines("vantle.log"),
                  "GameManager::run(): Can't keep up! frame_time 33 ms, split 20 ms"),
            0);
  EXPECT_EQ(slept, std::vector<int>{13});
}

TEST_F(FramePacerTest, FrameTimeZeroNeverSleepsNorComplains) {
  vt::FramePacer pacer(0);
  for (int work : {0, 1000, 50000}) pacer.pace(work, sleeper());
  EXPECT_TRUE(slept.empty());
  vt::LogManager::getInstance().shutDown();
  EXPECT_TRUE(readLines("vantle.log").empty());
}

TEST(ClockTest, ReadingsWrapAtThirtyTwoBitsAcrossTheHour) {
  std::int32_t before = vt::Clock::reading({59, 59, 999});
  std::int32_t after = vt::Clock::reading({0, 0, 0});
  EXPECT_LT(before, 0);
  int seconds = vt::Clock::elapsed(before, after) / 1000000;
  EXPECT_EQ(seconds, 694);  // about 695 s: 694.968296
  EXPECT_EQ(vt::Clock::elapsed(vt::Clock::reading({1, 2, 3}), vt::Clock::reading({1, 2, 13})),
            10000);

  vt::Clock clock;
  int split = clock.split();
  EXPECT_GE(split, 0);
  EXPECT_GE(clock.delta(), split);
}

TEST(PlatformTest, TimerResolutionIsGrantedAndSystemTimeIsInRange) {
  EXPECT_EQ(vt::timeBeginPeriod(1), 0u);
  EXPECT_EQ(vt::timeEndPeriod(1), 0u);
  vt::SystemTime t = vt::getSystemTime();
  EXPECT_GE(t.minute, 0);
  EXPECT_LT(t.minute, 60);
  EXPECT_LT(t.second, 61);
  EXPECT_LT(t.milliseconds, 1000);
}
