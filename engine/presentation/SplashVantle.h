// The splash screen's winged emblem: it flies up from below the view with
// flapping wings, stops at its target beside the engine's name, changes to
// its resting pose and, at the end of the splash, sets the game over.
#pragma once

#include <memory>

#include "resources/Sprite.h"
#include "world/Object.h"

namespace vt {

class SplashVantle : public Object {
 public:
  /// Starts six lines below the view in the target's column.
  SplashVantle(float target_x, float target_y);
  ~SplashVantle() override;

  /// 1 for a step or keyboard event; a key ends the splash.
  int eventHandler(const Event* p_e) override;

  Vector getTarget() const;

 private:
  Vector target;
  int countdown;
  std::unique_ptr<Sprite> p_emblem_sprite;
};

}  // namespace vt
