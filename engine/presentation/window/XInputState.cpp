#include "presentation/window/XInputState.h"

#include <cstring>
#include <utility>

// Xlib's macros (None, Bool, Status...) clash with other headers: keep it alone here.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace vt {

namespace {
using K = sf::Keyboard;

// The X key each SFML key is read from, as SFML itself reads it.
const std::pair<K::Key, KeySym> KEYSYMS[] = {
    {K::Escape, XK_Escape},
    {K::LControl, XK_Control_L},
    {K::LShift, XK_Shift_L},
    {K::LAlt, XK_Alt_L},
    {K::LSystem, XK_Super_L},
    {K::RControl, XK_Control_R},
    {K::RShift, XK_Shift_R},
    {K::RAlt, XK_Alt_R},
    {K::RSystem, XK_Super_R},
    {K::Menu, XK_Menu},
    {K::LBracket, XK_bracketleft},
    {K::RBracket, XK_bracketright},
    {K::SemiColon, XK_semicolon},
    {K::Comma, XK_comma},
    {K::Period, XK_period},
    {K::Quote, XK_apostrophe},
    {K::Slash, XK_slash},
    {K::BackSlash, XK_backslash},
    {K::Tilde, XK_grave},
    {K::Equal, XK_equal},
    {K::Dash, XK_minus},
    {K::Space, XK_space},
    {K::Return, XK_Return},
    {K::BackSpace, XK_BackSpace},
    {K::Tab, XK_Tab},
    {K::PageUp, XK_Prior},
    {K::PageDown, XK_Next},
    {K::End, XK_End},
    {K::Home, XK_Home},
    {K::Insert, XK_Insert},
    {K::Delete, XK_Delete},
    {K::Add, XK_KP_Add},
    {K::Subtract, XK_KP_Subtract},
    {K::Multiply, XK_KP_Multiply},
    {K::Divide, XK_KP_Divide},
    {K::Left, XK_Left},
    {K::Right, XK_Right},
    {K::Up, XK_Up},
    {K::Down, XK_Down},
    {K::Pause, XK_Pause},
};

KeySym keysymOf(K::Key key) {
  if (key >= K::A && key <= K::Z) return XK_a + (key - K::A);
  if (key >= K::Num0 && key <= K::Num9) return XK_0 + (key - K::Num0);
  if (key >= K::Numpad0 && key <= K::Numpad9) return XK_KP_0 + (key - K::Numpad0);
  if (key >= K::F1 && key <= K::F15) return XK_F1 + (key - K::F1);
  for (const auto& [sfml, keysym] : KEYSYMS)
    if (sfml == key) return keysym;
  return NoSymbol;
}

::Display* display(void* p) { return static_cast<::Display*>(p); }
}  // namespace

XInputState::XInputState() : p_display(XOpenDisplay(nullptr)), keys{}, buttons(0) {
  std::memset(keycodes, 0, sizeof keycodes);
  if (!p_display) return;
  // Key codes stay as they are for the connection's life.
  for (int key = 0; key < K::KeyCount; key++) {
    KeySym keysym = keysymOf(static_cast<K::Key>(key));
    if (keysym != NoSymbol) keycodes[key] = XKeysymToKeycode(display(p_display), keysym);
  }
}

XInputState::~XInputState() {
  if (p_display) XCloseDisplay(display(p_display));
}

bool XInputState::read(unsigned long window) {
  std::memset(keys, 0, sizeof keys);
  buttons = 0;
  pointer = sf::Vector2i();
  if (!p_display) return false;
  XQueryKeymap(display(p_display), keys);
  ::Window root, child;
  int root_x, root_y, x = 0, y = 0;
  unsigned mask = 0;
  if (window &&
      XQueryPointer(display(p_display), window, &root, &child, &root_x, &root_y, &x, &y, &mask)) {
    buttons = mask;
    pointer = sf::Vector2i(x, y);
  }
  return true;
}

bool XInputState::isKeyDown(sf::Keyboard::Key key) const {
  if (key < 0 || key >= K::KeyCount || keycodes[key] == 0) return false;
  unsigned char code = keycodes[key];
  return (keys[code / 8] & (1 << (code % 8))) != 0;
}

bool XInputState::isButtonDown(sf::Mouse::Button button) const {
  switch (button) {
    case sf::Mouse::Left:
      return (buttons & Button1Mask) != 0;
    case sf::Mouse::Right:
      return (buttons & Button3Mask) != 0;
    case sf::Mouse::Middle:
      return (buttons & Button2Mask) != 0;
    default:
      return false;
  }
}

sf::Vector2i XInputState::getPointer() const { return pointer; }

}  // namespace vt
