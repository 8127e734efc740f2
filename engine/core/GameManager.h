// Starts and stops every other manager in a fixed order and runs the
// fixed-rate game loop: input, path searches, world update and drawing, the
// step event, the picture swap and a sleep that fills the frame.
#pragma once

#include <string>

#include "core/Manager.h"

namespace vt {

/// The engine's version, written in the log's banner.
const float VANTLE_VERSION = 4.2f;

class GameManager : public Manager {
 public:
  static GameManager& getInstance();

  /// Starts every manager; -1 at the first that fails.
  int startUp() override;

  /// Stops the managers, the log last.
  void shutDown() override;

  /// For a program whose startUp failed: logs "Error starting game
  /// manager!", shuts the engine down as after a run, then says on standard
  /// error, in one line headed by the program's name, why and which log
  /// tells more. The status for the program to end with: 1.
  int abandonStartUp(const std::string& program);

  /// For a program after its shutDown: 0, or when a replay did not end as
  /// its recording did, or a recording could not be kept, 1 after saying
  /// why on standard error in one line headed by the program's name.
  int exitStatus(const std::string& program) const;

  /// Runs the game loop until the game-over flag is set: one frame after
  /// another, each filled up to the frame time with a sleep.
  void run();

  /// Runs one frame of the loop without its sleep: input, path searches,
  /// world update and drawing, the step event and the picture swap; then
  /// counts the frame. For tools and tests that drive the loop themselves.
  void runFrame();

  /// The pieces of run() for a caller that runs the frames itself, as a
  /// browser does: startLoop() logs the loop's start and counts frames
  /// from 0; loopGoesOn() tells whether another frame is due (no game over,
  /// stop signal nor end of a replay); endLoop() logs the loop's end.
  void startLoop();
  bool loopGoesOn();
  void endLoop();

  /// Only "vt::step" is dispatched by the game manager.
  bool isValid(std::string event_type) const override;

  void setGameOver(bool new_game_over = true);
  bool getGameOver() const;
  int getFrameTime() const;
  int getStepCount() const;

 private:
  GameManager();

  /// Starts the managers after the log in order; -1 at the first that fails.
  int startManagers(bool headless);
  /// Logs why start-up failed and keeps it, with the failed manager's
  /// problem, for abandonStartUp; -1.
  int startFailed(const std::string& reason, const std::string& problem = "");
  /// The frame's work, without counting it.
  void doFrame();
  /// Whether a stop signal arrived or a replay has run out; either sets game
  /// over, saying so once in the program's run.
  bool stopSignalled();
  /// Sets the frame count, which the log writes on each line.
  void setStepCount(int new_step_count);

  bool game_over;
  bool stop_said;  // the stop signal or the replay's end has been logged
  std::string start_error;
  std::string run_error;  // of a replay or recording, at shut-down
  int frame_time;
  int step_count;
};

}  // namespace vt
