#include "presentation/web/DomKeys.h"

#include <unordered_map>

#include "presentation/KeyCode.h"

namespace vt {

namespace {

struct Named {
  const char* dom;
  int code;
};

// The keys with a name of their own; letters, digits, keypad digits and
// function keys are counted below.
const Named NAMED_KEYS[] = {
    {"Escape", KeyCode::ESCAPE},        {"ControlLeft", KeyCode::LEFT_CONTROL},
    {"ShiftLeft", KeyCode::LEFT_SHIFT}, {"AltLeft", KeyCode::LEFT_ALT},
    {"MetaLeft", KeyCode::LEFT_SYSTEM}, {"OSLeft", KeyCode::LEFT_SYSTEM},
    {"ControlRight", KeyCode::RIGHT_CONTROL}, {"ShiftRight", KeyCode::RIGHT_SHIFT},
    {"AltRight", KeyCode::RIGHT_ALT},   {"MetaRight", KeyCode::RIGHT_SYSTEM},
    {"OSRight", KeyCode::RIGHT_SYSTEM}, {"ContextMenu", KeyCode::MENU},
    {"BracketLeft", KeyCode::LEFT_BRACKET}, {"BracketRight", KeyCode::RIGHT_BRACKET},
    {"Semicolon", KeyCode::SEMICOLON},  {"Comma", KeyCode::COMMA},
    {"Period", KeyCode::PERIOD},        {"Quote", KeyCode::QUOTE},
    {"Slash", KeyCode::SLASH},          {"Backslash", KeyCode::BACKSLASH},
    {"Backquote", KeyCode::TILDE},      {"Equal", KeyCode::EQUAL},
    {"Minus", KeyCode::HYPHEN},         {"Space", KeyCode::SPACE},
    {"Enter", KeyCode::ENTER},          {"NumpadEnter", KeyCode::ENTER},
    {"Backspace", KeyCode::BACKSPACE},  {"Tab", KeyCode::TAB},
    {"PageUp", KeyCode::PAGE_UP},       {"PageDown", KeyCode::PAGE_DOWN},
    {"End", KeyCode::END},              {"Home", KeyCode::HOME},
    {"Insert", KeyCode::INSERT},        {"Delete", KeyCode::DELETE},
    {"NumpadAdd", KeyCode::ADD},        {"NumpadSubtract", KeyCode::SUBTRACT},
    {"NumpadMultiply", KeyCode::MULTIPLY}, {"NumpadDivide", KeyCode::DIVIDE},
    {"ArrowLeft", KeyCode::LEFT},       {"ArrowRight", KeyCode::RIGHT},
    {"ArrowUp", KeyCode::UP},           {"ArrowDown", KeyCode::DOWN},
    {"Pause", KeyCode::PAUSE},
};

// A run of keys named by a prefix and a count from first: "KeyA" to "KeyZ".
struct Run {
  const char* prefix;
  char first;
  int count;
  int code;
};

const Run KEY_RUNS[] = {
    {"Key", 'A', 26, KeyCode::A},
    {"Digit", '0', 10, KeyCode::NUM_0},
    {"Numpad", '0', 10, KeyCode::NUMPAD_0},
};

const int FUNCTION_KEYS = KeyCode::F15 - KeyCode::F1 + 1;

std::unordered_map<std::string, int> makeKeyTable() {
  std::unordered_map<std::string, int> table;
  for (const Named& named : NAMED_KEYS) table[named.dom] = named.code;
  for (const Run& run : KEY_RUNS)
    for (int i = 0; i < run.count; i++)
      table[run.prefix + std::string(1, static_cast<char>(run.first + i))] = run.code + i;
  for (int i = 0; i < FUNCTION_KEYS; i++) table["F" + std::to_string(i + 1)] = KeyCode::F1 + i;
  return table;
}

}  // namespace

int keyCodeOfDom(const std::string& dom_code) {
  static const std::unordered_map<std::string, int> table = makeKeyTable();
  auto found = table.find(dom_code);
  return found == table.end() ? KeyCode::UNKNOWN : found->second;
}

int buttonOfDom(int dom_button) {
  // The page numbers the middle button before the right one.
  const int BUTTONS[] = {0, 2, 1, 3, 4};
  return dom_button >= 0 && dom_button < KeyCode::MOUSE_BUTTON_COUNT ? BUTTONS[dom_button] : -1;
}

}  // namespace vt
