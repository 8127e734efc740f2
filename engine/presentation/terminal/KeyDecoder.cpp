#include "presentation/terminal/KeyDecoder.h"

#include <cstring>

#include "presentation/KeyCode.h"

namespace vt {

namespace {

const char ESC = 0x1b;
// Longer than any sequence a terminal sends for a key or a mouse report.
const std::size_t MAX_SEQUENCE = 64;

// The punctuation of a US keyboard: the key each character is typed with,
// unshifted and shifted, and the digits' shifted characters.
const char UNSHIFTED[] = ",./;'=-[]\\`";
const char SHIFTED[] = "<>?:\"+_{}|~";
const int PUNCTUATION_KEYS[] = {
    KeyCode::COMMA,         KeyCode::PERIOD,    KeyCode::SLASH,  KeyCode::SEMICOLON,
    KeyCode::QUOTE,         KeyCode::EQUAL,     KeyCode::HYPHEN, KeyCode::LEFT_BRACKET,
    KeyCode::RIGHT_BRACKET, KeyCode::BACKSLASH, KeyCode::TILDE,
};
const char SHIFTED_DIGITS[] = ")!@#$%^&*(";

struct CodeKey {
  int number;
  int code;
};

// Control characters that are keys of their own rather than Ctrl and a letter.
const CodeKey CONTROL_KEYS[] = {
    {0x0d, KeyCode::ENTER},     {0x0a, KeyCode::ENTER},         {0x09, KeyCode::TAB},
    {0x7f, KeyCode::BACKSPACE}, {0x08, KeyCode::BACKSPACE},     {0x1b, KeyCode::ESCAPE},
    {0x1c, KeyCode::BACKSLASH}, {0x1d, KeyCode::RIGHT_BRACKET}, {0x1e, KeyCode::NUM_0 + 6},
    {0x1f, KeyCode::HYPHEN},
};

// "CSI number ~" keys, xterm's and rxvt's numbers.
const CodeKey TILDE_KEYS[] = {
    {1, KeyCode::HOME},     {2, KeyCode::INSERT},    {3, KeyCode::DELETE},   {4, KeyCode::END},
    {5, KeyCode::PAGE_UP},  {6, KeyCode::PAGE_DOWN}, {7, KeyCode::HOME},     {8, KeyCode::END},
    {11, KeyCode::F1},      {12, KeyCode::F1 + 1},   {13, KeyCode::F1 + 2},  {14, KeyCode::F1 + 3},
    {15, KeyCode::F1 + 4},  {17, KeyCode::F1 + 5},   {18, KeyCode::F1 + 6},  {19, KeyCode::F1 + 7},
    {20, KeyCode::F1 + 8},  {21, KeyCode::F1 + 9},   {23, KeyCode::F1 + 10}, {24, KeyCode::F1 + 11},
    {25, KeyCode::F1 + 12}, {26, KeyCode::F1 + 13},  {28, KeyCode::F15},     {29, KeyCode::MENU},
};

// Keys whose sequence ends in a letter ("CSI 1;5 A", "SS3 A").
const CodeKey LETTER_KEYS[] = {
    {'A', KeyCode::UP},     {'B', KeyCode::DOWN},   {'C', KeyCode::RIGHT}, {'D', KeyCode::LEFT},
    {'H', KeyCode::HOME},   {'F', KeyCode::END},    {'P', KeyCode::F1},    {'Q', KeyCode::F1 + 1},
    {'R', KeyCode::F1 + 2}, {'S', KeyCode::F1 + 3}, {'M', KeyCode::ENTER},
};

// The kitty keyboard protocol's numbers for keys without a character.
const CodeKey KITTY_KEYS[] = {
    {57362, KeyCode::PAUSE},        {57363, KeyCode::MENU},          {57376, KeyCode::F1 + 12},
    {57377, KeyCode::F1 + 13},      {57378, KeyCode::F15},           {57410, KeyCode::DIVIDE},
    {57411, KeyCode::MULTIPLY},     {57412, KeyCode::SUBTRACT},      {57413, KeyCode::ADD},
    {57414, KeyCode::ENTER},        {57417, KeyCode::LEFT},          {57418, KeyCode::RIGHT},
    {57419, KeyCode::UP},           {57420, KeyCode::DOWN},          {57421, KeyCode::PAGE_UP},
    {57422, KeyCode::PAGE_DOWN},    {57423, KeyCode::HOME},          {57424, KeyCode::END},
    {57425, KeyCode::INSERT},       {57426, KeyCode::DELETE},        {57441, KeyCode::LEFT_SHIFT},
    {57442, KeyCode::LEFT_CONTROL}, {57443, KeyCode::LEFT_ALT},      {57444, KeyCode::LEFT_SYSTEM},
    {57447, KeyCode::RIGHT_SHIFT},  {57448, KeyCode::RIGHT_CONTROL}, {57449, KeyCode::RIGHT_ALT},
    {57450, KeyCode::RIGHT_SYSTEM},
};
const int KITTY_KEYPAD_0 = 57399;  // to 57408, the keypad's digits

template <std::size_t N>
int lookUp(const CodeKey (&table)[N], int number) {
  for (const CodeKey& entry : table)
    if (entry.number == number) return entry.code;
  return KeyCode::UNKNOWN;
}

// The key a character is typed with, and whether Shift or Ctrl typed it;
// UNKNOWN for characters of no key.
int characterKey(int c, int& modifiers) {
  modifiers = 0;
  if (c >= 'a' && c <= 'z') return KeyCode::A + (c - 'a');
  if (c >= 'A' && c <= 'Z') {
    modifiers = TerminalEvent::SHIFT;
    return KeyCode::A + (c - 'A');
  }
  if (c >= '0' && c <= '9') return KeyCode::NUM_0 + (c - '0');
  if (c == ' ') return KeyCode::SPACE;
  int control = lookUp(CONTROL_KEYS, c);
  if (control != KeyCode::UNKNOWN) {
    if (c >= 0x1c && c <= 0x1f) modifiers = TerminalEvent::CONTROL;
    return control;
  }
  if (c == 0) {
    modifiers = TerminalEvent::CONTROL;
    return KeyCode::SPACE;
  }
  if (c > 0 && c <= 26) {
    modifiers = TerminalEvent::CONTROL;
    return KeyCode::A + (c - 1);
  }
  if (c <= 0 || c >= 0x7f) return KeyCode::UNKNOWN;
  if (const char* p = std::strchr(UNSHIFTED, c)) return PUNCTUATION_KEYS[p - UNSHIFTED];
  modifiers = TerminalEvent::SHIFT;
  if (const char* p = std::strchr(SHIFTED, c)) return PUNCTUATION_KEYS[p - SHIFTED];
  if (const char* p = std::strchr(SHIFTED_DIGITS, c)) return KeyCode::NUM_0 + (p - SHIFTED_DIGITS);
  return KeyCode::UNKNOWN;
}

// A key of the kitty keyboard protocol by its number.
int kittyKey(int number) {
  if (number >= KITTY_KEYPAD_0 && number < KITTY_KEYPAD_0 + 10)
    return KeyCode::NUMPAD_0 + (number - KITTY_KEYPAD_0);
  if (number >= 0x80) return lookUp(KITTY_KEYS, number);
  int implied;  // the protocol reports the modifiers apart from the key
  return characterKey(number, implied);
}

// A control sequence's parameters: "1;5:3" is {{1}, {5, 3}}; a field left
// empty reads 0.
struct Parameters {
  char prefix = 0;  // '<', '=', '>' or '?' before the numbers
  std::vector<std::vector<int>> fields;

  int get(std::size_t field, std::size_t part, int otherwise) const {
    if (field >= fields.size() || part >= fields[field].size()) return otherwise;
    return fields[field][part];
  }
};

Parameters parse(const std::string& text) {
  Parameters p;
  std::size_t i = 0;
  if (!text.empty() && std::strchr("<=>?", text[0])) p.prefix = text[i++];
  p.fields.emplace_back(1, 0);
  for (; i < text.size(); i++) {
    char c = text[i];
    if (c == ';') {
      p.fields.emplace_back(1, 0);
    } else if (c == ':') {
      p.fields.back().push_back(0);
    } else if (c >= '0' && c <= '9') {
      int& value = p.fields.back().back();
      if (value < 1000000) value = value * 10 + (c - '0');
    }
  }
  return p;
}

TerminalEvent key(TerminalEvent::Kind kind, int code, int modifiers) {
  TerminalEvent event;
  event.kind = kind;
  event.code = code;
  event.modifiers = modifiers;
  return event;
}

// A key sequence's modifiers and event ("1;5:3": Ctrl, released), in field 1.
void addKey(std::vector<TerminalEvent>& events, int code, const Parameters& p, int more = 0) {
  if (code == KeyCode::UNKNOWN) return;
  int modifiers = (p.get(1, 0, 1) - 1) & 7;
  int type = p.get(1, 1, 1);
  TerminalEvent::Kind kind = type == 3   ? TerminalEvent::KEY_RELEASE
                             : type == 2 ? TerminalEvent::KEY_REPEAT
                                         : TerminalEvent::KEY_PRESS;
  events.push_back(key(kind, code, modifiers | more));
}

// "CSI < button ; column ; row M" (pressed or moved) or "... m" (released).
void addMouse(std::vector<TerminalEvent>& events, const Parameters& p, bool released) {
  int bits = p.get(0, 0, 0);
  // Wheels and extra buttons are no button of the engine's.
  if (bits & 64 || bits & 128) return;
  static const int BUTTONS[] = {0, 2, 1, -1};  // left, middle, right, none
  TerminalEvent event;
  event.kind = bits & 32  ? TerminalEvent::MOUSE_MOVE
               : released ? TerminalEvent::MOUSE_RELEASE
                          : TerminalEvent::MOUSE_PRESS;
  event.code = BUTTONS[bits & 3];
  if (event.code < 0 && event.kind != TerminalEvent::MOUSE_MOVE) return;
  event.modifiers = (bits & 4 ? TerminalEvent::SHIFT : 0) | (bits & 8 ? TerminalEvent::ALT : 0) |
                    (bits & 16 ? TerminalEvent::CONTROL : 0);
  event.column = p.get(1, 0, 1) - 1;
  event.row = p.get(2, 0, 1) - 1;
  events.push_back(event);
}

void addControlSequence(std::vector<TerminalEvent>& events, const Parameters& p, char final) {
  if (p.prefix == '<') {
    if (final == 'M' || final == 'm') addMouse(events, p, final == 'm');
    return;
  }
  if (final == 'u' && p.prefix == '?') {
    events.push_back(key(TerminalEvent::KEYBOARD_FLAGS, p.get(0, 0, 0), 0));
    return;
  }
  if (p.prefix) return;
  if (final == 'u') return addKey(events, kittyKey(p.get(0, 0, 0)), p);
  if (final == '~') return addKey(events, lookUp(TILDE_KEYS, p.get(0, 0, 0)), p);
  if (final == 'Z') return addKey(events, KeyCode::TAB, p, TerminalEvent::SHIFT);
  if (final != 'M') addKey(events, lookUp(LETTER_KEYS, final), p);
}

}  // namespace

bool TerminalEvent::operator==(const TerminalEvent& other) const {
  return kind == other.kind && code == other.code && modifiers == other.modifiers &&
         column == other.column && row == other.row;
}

void KeyDecoder::feed(const char* bytes, std::size_t count, std::vector<TerminalEvent>& events) {
  pending.append(bytes, count);
  while (!pending.empty()) {
    std::size_t taken = decodeOne(events, false);
    if (taken == 0) break;
    pending.erase(0, taken);
  }
}

void KeyDecoder::flush(std::vector<TerminalEvent>& events) {
  while (!pending.empty()) pending.erase(0, decodeOne(events, true));
}

bool KeyDecoder::hasPending() const { return !pending.empty(); }

std::size_t KeyDecoder::decodeOne(std::vector<TerminalEvent>& events, bool at_end) {
  auto byte = [this](std::size_t i) { return static_cast<unsigned char>(pending[i]); };
  int modifiers = 0;
  if (byte(0) >= 0x80) {
    // A character beyond ASCII is no key of the engine's: its bytes are skipped.
    std::size_t length = 1;
    while (length < pending.size() && length < 4 && (byte(length) & 0xc0) == 0x80) length++;
    return length;
  }
  if (pending[0] != ESC || (pending.size() == 1 && at_end)) {
    int code = characterKey(byte(0), modifiers);
    if (code != KeyCode::UNKNOWN) events.push_back(key(TerminalEvent::KEY_PRESS, code, modifiers));
    return 1;
  }
  if (pending.size() == 1) return 0;
  char second = pending[1];
  if (second == ESC) {
    events.push_back(key(TerminalEvent::KEY_PRESS, KeyCode::ESCAPE, 0));
    return 1;
  }
  bool csi = second == '[', ss3 = second == 'O';
  if ((csi || ss3) && pending.size() == 2 && !at_end) return 0;
  if (ss3 && pending.size() > 2) {
    addKey(events, lookUp(LETTER_KEYS, pending[2]), Parameters());
    return 3;
  }
  if (csi && pending.size() > 2) {
    std::size_t end = 2;
    while (end < pending.size() && (byte(end) < 0x40 || byte(end) > 0x7e)) end++;
    if (end == pending.size()) {
      if (at_end || pending.size() > MAX_SEQUENCE) return pending.size();
      return 0;
    }
    addControlSequence(events, parse(pending.substr(2, end - 2)), pending[end]);
    return end + 1;
  }
  // Escape before a character: that key with Alt.
  int code = characterKey(byte(1), modifiers);
  if (code != KeyCode::UNKNOWN)
    events.push_back(key(TerminalEvent::KEY_PRESS, code, modifiers | TerminalEvent::ALT));
  return 2;
}

}  // namespace vt
