// A word to the player: a text without a number that leaves the world after
// its time, or stays until its level is cleared. The game's words go in the
// window row below the maze's view, where they hide no cell of the maze;
// only a framed box placed by the game, such as "Paused", lies over it. It
// is SPECTRAL like every view object, so it never stands in the hero's way.
#pragma once

#include <string>

#include "world/ViewObject.h"

class Message : public vt::ViewObject {
 public:
  /// Shows text framed and centred on a window cell for steps steps, or
  /// for good with 0.
  Message(const std::string& text, vt::Color color, vt::Vector where, int steps);

  /// Shows text unframed in the row below the maze's view, for steps steps
  /// or for good with 0. The messages in that row stand side by side in the
  /// order they came, centred under the view as a group.
  Message(const std::string& text, vt::Color color, int steps);

  /// View events go to the view object first; 1 for every step event.
  int eventHandler(const vt::Event* p_e) override;

  int getStepsLeft() const;

  /// The window row below the maze's view.
  static float row();

 private:
  int steps_left;
};

/// Keeps the row below the maze's view for messages: blanks under them and
/// over the maze. The world manager draws every piece whose box reaches
/// into the view, and a piece half a cell past its last row shows in that
/// row. Made with each level.
void coverMessageRow();
