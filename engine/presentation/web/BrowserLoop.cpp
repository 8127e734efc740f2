// The game loop of a web page: the browser calls tick each time it is about
// to draw the page, and tick runs a frame when one is due at the configured
// frame time (a late page runs the next frame at once but makes up no
// more). When the loop ends, what comes after it runs, and may run another
// loop. While the page is hidden the browser calls nothing.
#include <emscripten.h>
#include <emscripten/html5.h>

#include <memory>

#include "core/FrameLoop.h"
#include "core/FramePacer.h"
#include "core/GameManager.h"

namespace vt {

namespace {

struct BrowserLoop {
  bool running = false;     // a loop has frames to run
  bool called = false;      // the browser calls tick
  bool listening = false;   // to the page being hidden
  double due = 0;           // when the next frame is due, in milliseconds
  std::unique_ptr<FramePacer> pacer;
  std::function<void()> after;
  std::function<void()> hidden;
};

BrowserLoop& loop() {
  static BrowserLoop browser_loop;
  return browser_loop;
}

void endLoop() {
  BrowserLoop& l = loop();
  l.running = false;
  GameManager::getInstance().endLoop();
  std::function<void()> next = std::move(l.after);
  l.after = nullptr;
  if (next) next();
  if (!l.running && l.called) {
    emscripten_cancel_main_loop();
    l.called = false;
  }
}

void tick() {
  BrowserLoop& l = loop();
  GameManager& game = GameManager::getInstance();
  double start = emscripten_get_now();
  if (!l.running || start < l.due) return;
  if (!game.loopGoesOn()) {
    endLoop();
    return;
  }
  game.runFrame();
  double end = emscripten_get_now();
  // The browser does the waiting; the pacer says when a frame overran.
  l.pacer->pace(static_cast<int>((end - start) * 1000),
                [](int milliseconds) { return milliseconds * 1000; });
  int frame_time = game.getFrameTime();
  l.due += frame_time;
  if (l.due < end - frame_time) l.due = end;
}

EM_BOOL onVisibility(int, const EmscriptenVisibilityChangeEvent* p_event, void*) {
  BrowserLoop& l = loop();
  if (p_event->hidden && l.hidden) l.hidden();
  // Back from hiding, the next frame runs at once; none are made up.
  if (!p_event->hidden) l.due = emscripten_get_now();
  return EM_FALSE;
}

void listenToPage() {
  BrowserLoop& l = loop();
  if (l.listening) return;
  emscripten_set_visibilitychange_callback(nullptr, EM_TRUE, onVisibility);
  l.listening = true;
}

}  // namespace

void runLoop(std::function<void()> after) {
  BrowserLoop& l = loop();
  GameManager& game = GameManager::getInstance();
  game.startLoop();
  l.running = true;
  l.after = std::move(after);
  l.pacer = std::make_unique<FramePacer>(game.getFrameTime());
  l.due = emscripten_get_now();
  listenToPage();
  if (!l.called) {
    l.called = true;
    emscripten_set_main_loop(tick, 0, 0);
  }
}

void onPageHidden(std::function<void()> hidden) {
  loop().hidden = std::move(hidden);
  listenToPage();
}

}  // namespace vt
