#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "core/ClockReading.h"
#include "core/FramePacer.h"
#include "vantle.h"

using namespace vt_test;

using FramePacerTest = InTempDir;

TEST_F(FramePacerTest, SleepsOffTheFrameLessOversleepAndReportsOnlyUncarriedOverruns) {
  startPlainLog();
  std::vector<int> slept;
  // A sleep that records what was asked and takes extra microseconds longer.
  auto sleeper = [&slept](int extra = 0) {
    return [&slept, extra](int milliseconds) {
      slept.push_back(milliseconds);
      return milliseconds * 1000 + extra;
    };
  };
  vt::FramePacer pacer(33);
  pacer.pace(10000, sleeper(2000));
  pacer.pace(10000, sleeper());
  pacer.pace(40000, sleeper());       // overrun: reported, no sleep
  pacer.pace(20000, sleeper(15000));  // sleeps 13 ms, oversleeps 15
  pacer.pace(20000, sleeper());       // 33 - 20 - 15 < 0: silent overrun
  EXPECT_EQ(slept, (std::vector<int>{23, 21, 13}));
  EXPECT_EQ(pacer.getAdjustTime(), 0);
  vt::FramePacer unpaced(0);
  for (int work : {0, 1000, 50000}) unpaced.pace(work, sleeper());
  EXPECT_EQ(slept.size(), 3u);
  vt::LogManager::getInstance().shutDown();
  EXPECT_EQ(
      readLines("vantle.log"),
      std::vector<std::string>{"GameManager::run(): Can't keep up! frame_time 33 ms, split 40 ms"});
}

TEST(ClockTest, ReadingsWrapAtThirtyTwoBitsAcrossTheHour) {
  std::int32_t before = vt::clockReading({59, 59, 999});
  EXPECT_LT(before, 0);
  EXPECT_EQ(vt::clockElapsed(before, vt::clockReading({0, 0, 0})) / 1000000, 694);  // 694.97
  EXPECT_EQ(vt::clockElapsed(vt::clockReading({35, 47, 0}), vt::clockReading({35, 48, 0})),
            1000000);  // past 2^31 microseconds
}
