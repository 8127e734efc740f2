// Advances the registered path searches a little every frame, within half
// the frame time.
#pragma once

#include "core/Manager.h"

namespace vt {

class PathManager : public Manager {
 public:
  static PathManager& getInstance();

  int startUp() override;
  void shutDown() override;

  /// Works on the registered searches for at most cycle_time milliseconds.
  void cycle();

 private:
  PathManager();

  int cycle_time;
};

}  // namespace vt
