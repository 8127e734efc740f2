// Running the game loop where a program may not wait in it. On the desktop
// the loop runs until game over and then whatever comes next runs; a web
// page's program must hand control back to the browser between frames,
// which then calls one frame at a time, so what comes after a loop is given
// to it to call when the loop ends. A game written with runLoop runs in
// both places.
#pragma once

#include <functional>

namespace vt {

/// Runs the game loop until game over, then calls after (which may run
/// another loop). On the desktop it returns when after has; in a browser at
/// once, the browser then running each frame at the configured frame time.
void runLoop(std::function<void()> after);

/// Calls hidden whenever the page the game plays in is hidden (another tab,
/// a minimised browser), between two frames; the frames wait until the page
/// shows again. Never called on the desktop.
void onPageHidden(std::function<void()> hidden);

}  // namespace vt
