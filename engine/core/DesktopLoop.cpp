// The game loop of a desktop program, which waits in its loop.
#include "core/FrameLoop.h"
#include "core/GameManager.h"

namespace vt {

void runLoop(std::function<void()> after) {
  GameManager::getInstance().run();
  if (after) after();
}

void onPageHidden(std::function<void()> hidden) { (void)hidden; }

}  // namespace vt
