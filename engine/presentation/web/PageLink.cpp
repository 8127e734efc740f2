// What a web page's program shares with its page, whatever the game: the
// log's lines in the browser's console (up to a cap, so that a long or
// chatty run does not flood it), files replaced in the lasting folder
// copied to the browser's lasting store (IndexedDB) at once, and the last
// frame shown as text for the page's scripts (window.vantleScreen()).
#include <emscripten/emscripten.h>
#include <emscripten/console.h>
#include <sys/stat.h>

#include <string>

#include "core/FileAccess.h"
#include "core/LogManager.h"
#include "presentation/GraphicsManager.h"

extern "C" {
/// Copies the lasting folder to the browser's lasting store when path lies
/// in it (library_vantle.js).
void vt_lasting_keep(const char* path);
}

namespace vt {

namespace {

/// The most bytes of the log the console shows.
const std::size_t CONSOLE_BYTES = 1 << 20;

void toConsole(const std::string& line) {
  static std::size_t shown = 0;
  if (shown >= CONSOLE_BYTES) return;
  shown += line.size() + 1;
  emscripten_console_log(line.c_str());
  if (shown >= CONSOLE_BYTES)
    emscripten_console_log(("The console shows no more of the log; it goes on in '" +
                            LogManager::getInstance().getFileName() + "'.")
                               .c_str());
}

void keepReplaced(const std::string& path) { vt_lasting_keep(path.c_str()); }

// Set before any program's main runs.
const bool linked = [] {
  // Emscripten starts with a mask of 0777, which would make every new file
  // unreadable once read back from the lasting store; a shell's is 022.
  umask(022);
  LogManager::getInstance().setEcho(toConsole);
  setReplacedHook(keepReplaced);
  return true;
}();

}  // namespace

}  // namespace vt

/// The last frame shown, as rows of text each ended by a line feed.
extern "C" EMSCRIPTEN_KEEPALIVE const char* vt_screen_text() {
  static std::string text;
  text = vt::GraphicsManager::getInstance().getScreen().getText();
  return text.c_str();
}
