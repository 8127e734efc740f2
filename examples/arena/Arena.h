// The arena's referee: an invisible object that builds the arena and its
// head-up display, sends a walker to the cell the player clicks, adds
// walkers by the hundred with A, keeps the display's counts and the targets'
// marks up to date each step, saves and loads the walkers and targets with
// S and L, and ends the game on Q.
#pragma once

#include <string>

#include "world/Object.h"
#include "world/ViewObject.h"

namespace vt {
class EventKeyboard;
class EventMouse;
}  // namespace vt

/// The labels of the head-up display, which are also its view events' tags.
const std::string WALKING_LABEL = "Walking";
const std::string ARRIVED_LABEL = "Arrived";
const std::string TARGETS_LABEL = "Targets";
const std::string OBJECTS_LABEL = "Objects";

/// Walkers added at once by the A key.
const int WALKERS_ADDED = 100;

/// The help line at the bottom of the window.
const std::string HELP_TEXT =
    "Click: send a walker    A: add 100 walkers    S: save    L: load    Q: quit";

class Arena : public vt::Object {
 public:
  /// Builds the bricks, the walkers and the display; the world must have
  /// the arena's size (setArenaSize) and its sprites loaded.
  Arena();

  /// 1 for mouse, keyboard and step events, 0 for any other.
  int eventHandler(const vt::Event* p_e) override;

  /// Sends the nearest walker that is not walking, or the nearest of all if
  /// every walker is, to a world cell and marks it with a target; -1 for a
  /// cell that is not open floor or a search the engine refuses.
  int sendWalker(vt::Vector cell);

  /// Puts up to count new walkers on floor cells chosen at random among
  /// those no walker stands on; how many it put.
  int addWalkers(int count);

  /// Counts the walkers, targets and objects, shows the counts, marks the targets
  /// reached and removes targets that no walker heads for any more.
  void tally();

  /// The help line, which shows what a save or load did for a while.
  vt::ViewObject* getHelpLine() const;

 private:
  void click(const vt::EventMouse* p_e);
  void key(const vt::EventKeyboard* p_e);
  void showNotice(const std::string& notice);

  vt::ViewObject* p_help;
  int notice_steps;
};
