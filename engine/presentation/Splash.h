// The engine's title screen: the engine's name slides in from the right edge
// of the view to its middle, changes lettering and sends up the winged
// emblem, then leaves after about three seconds; any key ends it at once.
// splash() runs the game loop with it until the splash sets the game over.
#pragma once

#include <functional>
#include <memory>

#include "resources/Sprite.h"
#include "world/Object.h"

namespace vt {

/// Shows the splash screen in the game loop until it ends; 0 when it has
/// finished, -1 when the game manager is not started.
int splash();

/// Shows the splash screen in the game loop and then calls after, as
/// runLoop does: in a browser it returns at once. 0, or -1 (after not
/// called) when the game manager is not started.
int splash(std::function<void()> after);

class Splash : public Object {
 public:
  /// Enters just beyond the right edge of the view, vertically centred.
  Splash();
  ~Splash() override;

  /// 1 for a step event; a key ends the splash.
  int eventHandler(const Event* p_e) override;

 private:
  int countdown;
  std::unique_ptr<Sprite> p_name_sprite;
};

}  // namespace vt
