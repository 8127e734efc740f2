// Holds the running path searches and advances them in turn once per frame,
// within half the frame time, so that no search starves and no frame is held
// up for long. A search that ends is reported to its object with a path
// event; the object then unregisters and deletes it.
#pragma once

#include <functional>
#include <vector>

#include "core/Manager.h"

namespace vt {

class PathFind;

class PathManager : public Manager {
 public:
  static PathManager& getInstance();

  /// Takes half the game manager's frame time as the budget per cycle.
  int startUp() override;

  /// Registered searches stay registered and are not deleted.
  void shutDown() override;

  /// Works on the registered searches for at most cycle_time milliseconds.
  void cycle();

  /// Appends a search to the ones advanced each cycle; -1 for none, one
  /// without an object, one already registered or before start-up.
  int registerPathFind(PathFind* p_path_find);

  /// Removes every registration of a search; -1 for none or an unknown one.
  int unregisterPathFind(PathFind* p_path_find);

  bool isRegistered(const PathFind* p_path_find) const;
  int getPathFindCount() const;

  /// Budget per cycle in milliseconds.
  int getCycleTime() const;

  /// The plies the last cycle did.
  int getLastPlies() const;

  /// Has the next cycle do exactly that many plies (as long as there are
  /// searches), whatever the time: a replay repeats a recorded run's.
  void planPlies(int plies);

 private:
  friend void cycleTimed(PathManager& manager, const std::function<int()>& split);

  PathManager();

  /// The cycle, timed by split (microseconds since it began).
  void cycle(const std::function<int()>& split);

  /// Whether the budget is spent, with the message when it is overrun.
  bool overran(int elapsed) const;

  std::vector<PathFind*> path_finds;
  int cycle_time;
  int last_plies;
  int planned_plies;  // -1: by the budget
};

}  // namespace vt
