#include "core/FramePacer.h"

#include "core/LogManager.h"

namespace vt {

FramePacer::FramePacer(int frame_time_ms) : frame_time(frame_time_ms), adjust_time(0) {}

void FramePacer::pace(int loop_time, const Sleeper& sleep) {
  long long planned_sleep = static_cast<long long>(frame_time) * 1000 - loop_time - adjust_time;
  if (planned_sleep > 0) {
    long long actual_sleep = sleep(static_cast<int>(planned_sleep / 1000));
    long long over = actual_sleep - planned_sleep;
    adjust_time = over > 0 ? static_cast<int>(over) : 0;
    return;
  }
  if (adjust_time == 0 && frame_time > 0)
    LogManager::getInstance().writeLog(
        "GameManager::run(): Can't keep up! frame_time %d ms, split %d ms", frame_time,
        loop_time / 1000);
  adjust_time = 0;
}

int FramePacer::getAdjustTime() const { return adjust_time; }

}  // namespace vt
