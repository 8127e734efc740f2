// A walker of the arena. Sent to a cell, it asks the engine's path search
// for a way there around the bricks and walks it. Walkers are SOFT: they
// pass through one another, and a diagonal step that grazes a brick's corner
// does not stop them (two HARD objects would block each other there).
#pragma once

#include <string>

#include "world/Object.h"

/// Cells a walker covers per frame.
const float WALKER_SPEED = 0.25f;

class Walker : public vt::Object {
 public:
  explicit Walker(vt::Vector cell = vt::Vector());

  /// Starts a search for a way to cell, which becomes the walker's target;
  /// -1 (nothing changed) when the engine refuses the search.
  int headFor(vt::Vector cell);

  /// Searches again for the way to the target, if it has one and is not
  /// there: a walker read back from a file has no path yet.
  void resume();

  bool hasTarget() const;
  vt::Vector getTarget() const;

  /// A search is pending or a path is being walked.
  bool isWalking() const;

  /// Stands on its target with nothing left to walk.
  bool hasArrived() const;

  /// Path events go to the engine's path following; a target that cannot
  /// be reached is given up.
  int eventHandler(const vt::Event* p_e) override;

  /// The object's items, then "has_target", "target-x" and "target-y".
  std::string serialize(bool all = false) override;
  int deserialize(std::string text) override;

 private:
  bool has_target;
  vt::Vector target;
  bool target_modified;
};
