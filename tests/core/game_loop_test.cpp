
#include <signal.h>

#include <regex>

#include "TestSupport.h"
#include "core/ClockReading.h"
#include "core/FramePacer.h"

using namespace vt_test;
using Lines = std::vector<std::string>;

namespace {
using GameLoopTest = InTempDir;

bool matches(const std::string& text, const char* pattern) {
  return std::regex_match(text, std::regex(pattern));
}

// Notes each step and its x after the world update; ends the game at last_step.
class Stepper : public vt::Object {
 public:
  Stepper() { registerInterest(vt::STEP_EVENT); }
  int eventHandler(const vt::Event* p_e) override {
    if (p_e->getType() != vt::STEP_EVENT) return 0;  // leaving the empty world
    int step = static_cast<const vt::EventStep*>(p_e)->getStepCount();
    seen.push_back(step);
    x_at_step.push_back(getPosition().getX());
    if (step == last_step) vt::GameManager::getInstance().setGameOver();
    return 1;
  }
  int last_step = 3;
  std::vector<int> seen;
  std::vector<float> x_at_step;
};
}  // namespace

TEST_F(GameLoopTest, HeadlessStartUpAndShutDownLogInOrderAfterTheBanner) {
  writeFile("vt-config.txt", "headless:true,\nframe_time:fast,\n");
  vt::LogManager::getInstance().setLogLevel(1);
  // The echo (a web page's console) gets the file's lines, not those said on
  // standard error before the file opened.
  Lines echoed;
  vt::LogManager::getInstance().setEcho([&](const std::string& line) { echoed.push_back(line); });
  vt::GameManager& game = vt::GameManager::getInstance();
  ASSERT_EQ(game.startUp(), 0);
  EXPECT_EQ(vt::LogManager::getInstance().startUp(), -1);
  EXPECT_EQ(vt::WorldManager::getInstance().getViewSlack(), vt::Vector(1.0f / 3, 1.0f / 3));
  game.shutDown();
  vt::LogManager::getInstance().setEcho(nullptr);
  Lines lines = readLines("vantle.log");
  EXPECT_EQ(echoed, lines);
  ASSERT_GE(lines.size(), 3u);  // after the log's own start-up line
  EXPECT_TRUE(matches(lines[1], R"(^\d\d:\d\d:\d\d    0 \*{52}$)")) << lines[1];
  EXPECT_TRUE(matches(lines[2], R"(^.{14}\*\* Vantle version 4\.2 \*\*$)")) << lines[2];
  Lines log = logMessages();
  auto at = log.begin();
  for (const char* line :
       {"Log Manager started.",
        "loadConfig(): Unsupported frame time 'fast'; frame_time takes a whole number from 0 to "
        "10000.",
        "Headless mode enabled:", "Resource manager started.", "World manager started.",
        "Path manager started.", "LogManager::startup(): Warning! LogManager already started.",
        "World Manager stopped", "Resource Manager stopped", "Input Manager stopped",
        "Graphics Manager stopped", "** Game stopped **"}) {
    at = std::find(at, log.end(), line);
    ASSERT_NE(at, log.end()) << "missing or out of order: " << line;
  }
  EXPECT_FALSE(contains(log, "Graphics manager started."));
}

TEST_F(GameLoopTest, StepsCountFromZeroAfterTheUpdateAndGameOverEndsTheLoopAfterThatFrame) {
  writeFile("vt-config.txt", "headless:true,\nframe_time:0,\n");
  vt::GameManager& game = vt::GameManager::getInstance();
  ASSERT_EQ(game.startUp(), 0);
  Stepper* p_stepper = new Stepper;
  p_stepper->setVelocity(vt::Vector(1, 0));
  game.run();
  EXPECT_EQ(p_stepper->seen, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(p_stepper->x_at_step, (std::vector<float>{1, 2, 3, 4}));
  p_stepper->last_step = 0;  // started again, the loop counts from 0 once more
  game.run();
  game.runFrame();  // a frame of its own is counted too
  EXPECT_EQ(p_stepper->seen, (std::vector<int>{0, 1, 2, 3, 0, 1}));
  EXPECT_EQ(game.getStepCount(), 2);
  game.shutDown();  // deletes the stepper
}

TEST_F(GameLoopTest, AStopSignalEndsEveryLoopAndIsLoggedOnce) {
  writeFile("vt-config.txt", "headless:true,\nframe_time:0,\n");
  vt::GameManager& game = vt::GameManager::getInstance();
  ASSERT_EQ(game.startUp(), 0);
  raise(SIGTERM);
  game.run();  // the splash's loop
  game.run();  // the game's
  game.shutDown();
  EXPECT_EQ(count(logMessages(), "GameManager::run(): Signal 15 received. Setting game over."), 1);
}

TEST(PlatformTest, AStopSignalIgnoredAtStartStaysIgnored) {
  // A signal, whether the program starts ignoring it (as under nohup), and
  // the stop signal noted after it is raised.
  const struct {
    int signal;
    bool ignored;
    int noted;
  } ROWS[] = {{SIGHUP, true, 0}, {SIGINT, true, 0}, {SIGTERM, false, SIGTERM}};
  for (const auto& row : ROWS)
    if (row.ignored) signal(row.signal, SIG_IGN);
  vt::catchStopSignals();
  for (const auto& row : ROWS) {
    raise(row.signal);
    EXPECT_EQ(vt::getStopSignal(), row.noted) << row.signal;
  }
}

TEST_F(GameLoopTest, PacerSleepsOffTheFrameLessOversleepAndReportsOnlyUncarriedOverruns) {
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
  vt::FramePacer unpaced(0);
  for (int work : {0, 1000, 50000}) unpaced.pace(work, sleeper());
  EXPECT_EQ(slept, (std::vector<int>{23, 21, 13}));
  EXPECT_EQ(readLines("vantle.log"),
            Lines{"GameManager::run(): Can't keep up! frame_time 33 ms, split 40 ms"});
}

TEST(ClockTest, ReadingsWrapAtThirtyTwoBitsAcrossTheHour) {
  EXPECT_EQ(vt::clockElapsed(vt::clockReading({59, 59, 999}), vt::clockReading({0, 0, 0})),
            694968296);  // 2^32 - 3599999000
  EXPECT_EQ(vt::clockElapsed(vt::clockReading({35, 47, 0}), vt::clockReading({35, 48, 0})),
            1000000);  // past 2^31 microseconds
}
