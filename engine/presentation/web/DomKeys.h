// A web page's keys and mouse buttons as the engine's key codes: keys by
// the page's physical key names (KeyboardEvent.code: "KeyW", "ArrowUp",
// "Digit1"), so that a key means the same place on any keyboard layout, as
// on the desktop; buttons by the page's numbering (0 left, 1 middle,
// 2 right). Internal to the web output; it names nothing of Emscripten and
// is tested on the desktop.
#pragma once

#include <string>

namespace vt {

/// The key code (KeyCode.h) of a key named as a page names it;
/// KeyCode::UNKNOWN for a key the engine has no code for.
int keyCodeOfDom(const std::string& dom_code);

/// The engine's mouse button of a page's button number; -1 for one it has
/// none for.
int buttonOfDom(int dom_button);

}  // namespace vt
