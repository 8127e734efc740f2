// The game loop's sleep arithmetic: fills each frame up to the frame time and
// carries the previous sleep's overshoot into the next, apart from any clock.
#pragma once

#include <functional>

namespace vt {

class FramePacer {
 public:
  /// Sleeps the given milliseconds and answers the microseconds it took.
  using Sleeper = std::function<int(int milliseconds)>;

  explicit FramePacer(int frame_time_ms);

  /// Ends a frame whose work took loop_time microseconds: sleeps what is left
  /// of the frame, or reports an overrun when nothing is left.
  void pace(int loop_time, const Sleeper& sleep);

  /// Oversleep of the last sleep in microseconds, taken off the next one.
  int getAdjustTime() const;

 private:
  int frame_time;
  int adjust_time;
};

}  // namespace vt
