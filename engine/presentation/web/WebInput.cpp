#include "presentation/web/WebInput.h"

#include <emscripten/html5.h>

#include "presentation/web/DomKeys.h"

namespace vt {

namespace {

EM_BOOL onKey(int type, const EmscriptenKeyboardEvent* p_event, void* p_input) {
  int code = keyCodeOfDom(p_event->code);
  if (code == KeyCode::UNKNOWN) return EM_FALSE;
  bool taken = static_cast<WebInput*>(p_input)->takeKey(code, type == EMSCRIPTEN_EVENT_KEYDOWN,
                                                        p_event->repeat);
  // The browser's own shortcuts (reload, devtools, zoom) stay the browser's.
  bool shortcut = p_event->ctrlKey || p_event->metaKey || p_event->altKey ||
                  (code >= KeyCode::F1 && code <= KeyCode::F15);
  return taken && !shortcut;
}

EM_BOOL onMouse(int type, const EmscriptenMouseEvent* p_event, void* p_input) {
  auto* p_web_input = static_cast<WebInput*>(p_input);
  Pixel at = p_web_input->fromCanvas(static_cast<double>(p_event->targetX),
                                     static_cast<double>(p_event->targetY));
  if (type == EMSCRIPTEN_EVENT_MOUSEMOVE)
    p_web_input->takePointer(-1, false, at);
  else
    p_web_input->takePointer(buttonOfDom(p_event->button), type == EMSCRIPTEN_EVENT_MOUSEDOWN, at);
  return type == EMSCRIPTEN_EVENT_MOUSEDOWN;
}

EM_BOOL onBlur(int, const EmscriptenFocusEvent*, void* p_input) {
  static_cast<WebInput*>(p_input)->releaseAll();
  return EM_FALSE;
}

}  // namespace

WebInput::WebInput()
    : canvas("#canvas"), picture_width(0), picture_height(0), listening(false), key_repeat(true) {}

WebInput::~WebInput() { stop(); }

namespace {
// Hands the page's events to p_input, or, with null, to nobody.
void route(const char* canvas, WebInput* p_input) {
  const char* page = EMSCRIPTEN_EVENT_TARGET_WINDOW;
  em_key_callback_func key = p_input ? onKey : nullptr;
  em_mouse_callback_func mouse = p_input ? onMouse : nullptr;
  emscripten_set_keydown_callback(page, p_input, EM_TRUE, key);
  emscripten_set_keyup_callback(page, p_input, EM_TRUE, key);
  emscripten_set_mousedown_callback(canvas, p_input, EM_TRUE, mouse);
  emscripten_set_mousemove_callback(canvas, p_input, EM_TRUE, mouse);
  // A button let go beyond the canvas is let go all the same.
  emscripten_set_mouseup_callback(page, p_input, EM_TRUE, mouse);
  emscripten_set_blur_callback(page, p_input, EM_TRUE, p_input ? onBlur : nullptr);
}
}  // namespace

void WebInput::listen(const char* canvas_selector, int width, int height) {
  stop();
  canvas = canvas_selector;
  picture_width = width;
  picture_height = height;
  pointer = pointer_seen = Pixel();
  route(canvas, this);
  listening = true;
}

void WebInput::stop() {
  if (listening) route(canvas, nullptr);
  listening = false;
  releaseAll();
  events.clear();
  keys_seen.reset();
  buttons_seen.reset();
}

bool WebInput::hasWindow() const { return listening; }

bool WebInput::setKeyRepeat(bool on) {
  key_repeat = on;
  return listening;
}

bool WebInput::takeKey(int code, bool down, bool repeat) {
  if (code < 0 || code >= KeyCode::COUNT) return false;
  keys_down[static_cast<std::size_t>(code)] = down;
  if (!repeat || key_repeat) {
    InputEvent event;
    event.type = down ? InputEvent::KEY_PRESSED : InputEvent::KEY_RELEASED;
    event.code = code;
    queue(event);
  }
  return true;
}

void WebInput::takePointer(int button, bool down, Pixel at) {
  pointer = at;
  InputEvent event;
  event.position = at;
  if (button < 0) {
    event.type = InputEvent::MOUSE_MOVED;
  } else {
    buttons_down[static_cast<std::size_t>(button)] = down;
    // Only a button going down is an event of its own.
    if (!down) return;
    event.type = InputEvent::MOUSE_CLICKED;
    event.code = button;
  }
  queue(event);
}

Pixel WebInput::fromCanvas(double x, double y) const {
  double css_width = 0, css_height = 0;
  emscripten_get_element_css_size(canvas, &css_width, &css_height);
  Pixel at;
  if (css_width > 0 && css_height > 0) {
    at.x = static_cast<int>(x * picture_width / css_width);
    at.y = static_cast<int>(y * picture_height / css_height);
  }
  return at;
}

void WebInput::releaseAll() {
  for (std::size_t code = 0; code < keys_down.size(); code++) {
    if (!keys_down[code]) continue;
    keys_down[code] = false;
    InputEvent event;
    event.type = InputEvent::KEY_RELEASED;
    event.code = static_cast<int>(code);
    queue(event);
  }
  buttons_down.reset();
}

void WebInput::queue(const InputEvent& event) {
  if (events.size() >= MAX_QUEUED) events.pop_front();
  events.push_back(event);
}

void WebInput::refresh() {
  keys_seen = keys_down;
  buttons_seen = buttons_down;
  pointer_seen = pointer;
}

bool WebInput::pollEvent(InputEvent& event) {
  if (events.empty()) return false;
  event = events.front();
  events.pop_front();
  return true;
}

bool WebInput::isKeyPressed(int code) const {
  return code >= 0 && code < KeyCode::COUNT && keys_seen[static_cast<std::size_t>(code)];
}

bool WebInput::isButtonPressed(int button) const {
  return button >= 0 && button < KeyCode::MOUSE_BUTTON_COUNT &&
         buttons_seen[static_cast<std::size_t>(button)];
}

Pixel WebInput::getMousePosition() const { return pointer_seen; }

}  // namespace vt
