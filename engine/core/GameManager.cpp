#include "core/GameManager.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "core/Clock.h"
#include "core/Config.h"
#include "core/EventStep.h"
#include "core/FramePacer.h"
#include "core/LogManager.h"
#include "core/Platform.h"
#include "path/PathManager.h"
#include "presentation/GraphicsManager.h"
#include "presentation/InputManager.h"
#include "resources/ResourceManager.h"
#include "world/WorldManager.h"

namespace vt {

GameManager::GameManager() : game_over(false), stop_said(false), frame_time(33), step_count(0) {
  setType("GameManager");
}

GameManager& GameManager::getInstance() {
  static GameManager instance;
  return instance;
}

int GameManager::startUp() {
  LogManager& log = LogManager::getInstance();
  start_error.clear();
  run_error.clear();
  loadConfig(readConfig());
  if (log.startUp() != 0) return startFailed("Error starting LogManager!");
  log.writeLog("****************************************************");
  log.writeLog("** Vantle version %.1f **", static_cast<double>(VANTLE_VERSION));
  log.writeLog(1, "Log Manager started.");
  // Said on standard error before the log opened; the log keeps them too.
  for (const std::string& warning : Config::getInstance().getWarnings())
    log.writeLog("%s", warning.c_str());
  logConfig();

  const Config& config = Config::getInstance();
  frame_time = config.getFrameTime();
  log.writeLog(5, "GameManager::startUp(): frame time is %d", frame_time);

  if (startManagers(config.getHeadless()) != 0) return -1;

  const GraphicsManager& graphics = GraphicsManager::getInstance();
  WorldManager& world = WorldManager::getInstance();
  Box window_box(Vector(0, 0), static_cast<float>(graphics.getHorizontal()),
                 static_cast<float>(graphics.getVertical()));
  world.setBoundary(window_box);
  world.setView(window_box);
  world.setViewSlack(Vector(1.0f / 3.0f, 1.0f / 3.0f));

  int seed = config.getRandomSeed();
  if (seed == 0) seed = static_cast<int>(static_cast<std::uint32_t>(time(nullptr)));
  // A replay brings the seed of its recording.
  std::string run_files_error = InputManager::getInstance().openRunFiles(seed);
  if (!run_files_error.empty()) return startFailed(run_files_error);
  log.writeLog(10, "GameManager()::startUp(): seed is %d", seed);
  srand(static_cast<unsigned>(seed));

  catchStopSignals();
  if (timeBeginPeriod(1) == TIMER_CANNOT_ACCEPT)
    log.writeLog(1, "GameManager()::startUp(): Warning!  timeBeginPeriod() cannot accept 1 msec.");

  game_over = false;
  Manager::startUp();
  log.writeLog(5, "GameManager::startUp(): successfully started.");
  return 0;
}

int GameManager::startManagers(bool headless) {
  LogManager& log = LogManager::getInstance();
  struct Start {
    Manager& manager;
    bool with_window;  // left out in headless mode
    const char* failed;
    const char* started;
  };
  const Start order[] = {
      {GraphicsManager::getInstance(), true, "Error starting graphics manager!",
       "Graphics manager started."},
      {InputManager::getInstance(), true, "Error starting input manager!", "Input manager started"},
      {ResourceManager::getInstance(), false, "Error starting resource manager!",
       "Resource manager started."},
      {WorldManager::getInstance(), false, "Error starting world manager!",
       "World manager started."},
      {PathManager::getInstance(), false, "Error starting path manager!", "Path manager started."},
  };
  if (headless) {
    log.writeLog(1, "Headless mode enabled:");
    log.writeLog(1, "--> Not starting GraphicsManager or InputManager.");
  }
  for (const Start& start : order) {
    if (headless && start.with_window) continue;
    if (start.manager.startUp() != 0)
      return startFailed(start.failed, start.manager.getStartProblem());
    log.writeLog(1, "%s", start.started);
  }
  return 0;
}

int GameManager::startFailed(const std::string& reason, const std::string& problem) {
  LogManager::getInstance().writeLog("%s", reason.c_str());
  start_error = problem.empty() ? reason : reason + " " + problem + ".";
  return -1;
}

int GameManager::abandonStartUp(const std::string& program) {
  LogManager& log = LogManager::getInstance();
  log.writeLog("Error starting game manager!");
  std::string log_file = log.getFileName();
  shutDown();
  std::string reason = start_error.empty() ? "The engine did not start." : start_error;
  if (log_file.empty())
    fprintf(stderr, "%s: %s No log file could be opened; its lines are above.\n", program.c_str(),
            reason.c_str());
  else
    fprintf(stderr, "%s: %s See the log '%s'.\n", program.c_str(), reason.c_str(),
            log_file.c_str());
  return 1;
}

int GameManager::exitStatus(const std::string& program) const {
  if (run_error.empty()) return 0;
  fprintf(stderr, "%s: %s\n", program.c_str(), run_error.c_str());
  return 1;
}

void GameManager::run() {
  startLoop();
  FramePacer pacer(frame_time);
  Clock clock;
  while (loopGoesOn()) {
    clock.delta();
    doFrame();
    pacer.pace(clock.split(), [&clock](int milliseconds) {
      clock.delta();
      sleepMilliseconds(milliseconds);
      return clock.split();
    });
    setStepCount(step_count + 1);
  }
  endLoop();
}

void GameManager::startLoop() {
  LogManager::getInstance().writeLog(1, "GameManager::run(): starting game loop");
  game_over = false;
  setStepCount(0);
}

bool GameManager::loopGoesOn() { return !game_over && !stopSignalled(); }

void GameManager::endLoop() {
  LogManager::getInstance().writeLog(1, "GameManager::run(): end of game loop");
}

bool GameManager::stopSignalled() {
  int signal = getStopSignal();
  bool replay_ended = InputManager::getInstance().replayEnded();
  if (signal == 0 && !replay_ended) return false;
  // Once noted, every later loop of the program ends at once too.
  LogManager& log = LogManager::getInstance();
  // Said once, though the splash's loop and the game's both end on it.
  if (!stop_said && signal != 0)
    log.writeLog("GameManager::run(): Signal %d received. Setting game over.", signal);
  else if (!stop_said)
    log.writeLog("GameManager::run(): The replayed input has ended. Setting game over.");
  stop_said = true;
  game_over = true;
  return true;
}

void GameManager::runFrame() {
  doFrame();
  setStepCount(step_count + 1);
}

void GameManager::doFrame() {
  InputManager::getInstance().getInput();
  PathManager::getInstance().cycle();
  WorldManager::getInstance().update();
  WorldManager::getInstance().draw();
  EventStep step(step_count);
  onEvent(&step);
  GraphicsManager::getInstance().swapBuffers();
}

void GameManager::setStepCount(int new_step_count) {
  step_count = new_step_count;
  LogManager::getInstance().setStepCount(step_count);
}

void GameManager::shutDown() {
  LogManager& log = LogManager::getInstance();
  game_over = true;
  run_error = InputManager::getInstance().closeRunFiles();
  if (timeEndPeriod(1) == TIMER_CANNOT_ACCEPT)
    log.writeLog(1, "GameManager()::shutDown(): Warning!  timeEndPeriod() cannot accept 1 msec.");
  WorldManager::getInstance().shutDown();
  log.writeLog(1, "World Manager stopped");
  ResourceManager::getInstance().shutDown();
  log.writeLog(1, "Resource Manager stopped");
  InputManager::getInstance().shutDown();
  log.writeLog(1, "Input Manager stopped");
  GraphicsManager::getInstance().shutDown();
  log.writeLog(1, "Graphics Manager stopped");
  log.writeLog("** Game stopped **");
  log.writeLog("****************************************************");
  log.shutDown();
  Manager::shutDown();
}

bool GameManager::isValid(std::string event_type) const { return event_type == "vt::step"; }

void GameManager::setGameOver(bool new_game_over) { game_over = new_game_over; }

bool GameManager::getGameOver() const { return game_over; }

int GameManager::getFrameTime() const { return frame_time; }

int GameManager::getStepCount() const { return step_count; }

}  // namespace vt
