// A word to the player over the maze: a framed text without a number that
// leaves the world after its time, or stays until its level is cleared. It
// is SPECTRAL like every view object, so it never stands in the hero's way.
#pragma once

#include <string>

#include "world/ViewObject.h"

class Message : public vt::ViewObject {
 public:
  /// Shows text centred on a window cell for steps steps, or for good
  /// with 0.
  Message(const std::string& text, vt::Color color, vt::Vector where, int steps);

  /// View events go to the view object first; 1 for every step event.
  int eventHandler(const vt::Event* p_e) override;

  int getStepsLeft() const;

 private:
  int steps_left;
};
