#include "presentation/RunRecord.h"

#include <charconv>
#include <climits>
#include <sstream>

#include "presentation/KeyCode.h"

namespace vt {

namespace {

// Limits that keep every value a number the engine handles: a pointer far
// outside any window, a window far larger than any screen.
const long MAX_REPEAT = LONG_MAX / 2;
const int MAX_COORDINATE = 1000000;
const int MAX_PLIES = 1000000000;

// The words of a frame line and the numbers each takes.
struct Word {
  const char* name;
  int numbers;
};
const Word WORDS[] = {{"press", 1},  {"release", 1}, {"move", 2},    {"click", 3},
                      {"resize", 2}, {"close", 0},   {"key", 1},     {"button", 1},
                      {"mouse", 2},  {"plies", 1},   {"nowindow", 0}};

// A whole token as a number in [low, high]; false for anything else.
bool readNumber(const std::string& token, long low, long high, long& value) {
  const char* end = token.data() + token.size();
  auto [last, error] = std::from_chars(token.data(), end, value);
  return error == std::errc() && last == end && value >= low && value <= high;
}

InputEvent event(InputEvent::Type type, int code = 0, long x = 0, long y = 0) {
  InputEvent made;
  made.type = type;
  made.code = code;
  made.position = {static_cast<int>(x), static_cast<int>(y)};
  return made;
}

// Applies one word with its numbers to the frame; the reason when a number
// is out of its range.
std::string apply(const std::string& word, const long* n, RecordedFrame& frame) {
  auto within = [&](int i, long low, long high) { return n[i] >= low && n[i] <= high; };
  const int keys = KeyCode::COUNT, buttons = KeyCode::MOUSE_BUTTON_COUNT;
  if (word == "press" || word == "release") {
    if (!within(0, -1, keys - 1)) return "no key " + std::to_string(n[0]);
    frame.events.push_back(event(word == "press" ? InputEvent::KEY_PRESSED : InputEvent::KEY_RELEASED,
                                 static_cast<int>(n[0])));
  } else if (word == "click") {
    if (!within(0, 0, buttons - 1)) return "no mouse button " + std::to_string(n[0]);
    frame.events.push_back(event(InputEvent::MOUSE_CLICKED, static_cast<int>(n[0]), n[1], n[2]));
  } else if (word == "move") {
    frame.events.push_back(event(InputEvent::MOUSE_MOVED, 0, n[0], n[1]));
  } else if (word == "resize") {
    if (!within(0, 0, MAX_COORDINATE) || !within(1, 0, MAX_COORDINATE)) return "no window size";
    frame.events.push_back(event(InputEvent::RESIZED, 0, n[0], n[1]));
  } else if (word == "close") {
    frame.events.push_back(event(InputEvent::CLOSED));
  } else if (word == "key") {
    if (!within(0, 0, keys - 1)) return "no key " + std::to_string(n[0]);
    frame.keys.push_back(static_cast<int>(n[0]));
  } else if (word == "button") {
    if (!within(0, 0, buttons - 1)) return "no mouse button " + std::to_string(n[0]);
    frame.buttons.push_back(static_cast<int>(n[0]));
  } else if (word == "mouse") {
    frame.mouse = Pixel{static_cast<int>(n[0]), static_cast<int>(n[1])};
  } else if (word == "plies") {
    if (!within(0, 0, MAX_PLIES)) return "no count of plies";
    frame.plies = static_cast<int>(n[0]);
  } else {
    frame.window = false;
  }
  return "";
}

// Reads a frame line's words after its repeat count; the reason when one is wrong.
std::string readFrame(std::istringstream& words, RecordedFrame& frame) {
  std::string word, token;
  while (words >> word) {
    const Word* p_word = nullptr;
    for (const Word& known : WORDS)
      if (word == known.name) p_word = &known;
    if (!p_word) return "unknown word '" + word.substr(0, 40) + "'";
    long numbers[3] = {0, 0, 0};
    for (int i = 0; i < p_word->numbers; i++)
      if (!(words >> token) || !readNumber(token, -MAX_COORDINATE, MAX_COORDINATE, numbers[i]))
        return "'" + word + "' needs " + std::to_string(p_word->numbers) + " numbers";
    std::string reason = apply(word, numbers, frame);
    if (!reason.empty()) return reason;
  }
  return "";
}

// Reads the next line that is not blank or a comment, without a carriage
// return at its end; false at the end of the file.
bool nextLine(std::istream& in, int& line, std::string& text) {
  while (std::getline(in, text)) {
    line++;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (!text.empty() && text[0] != '#' && text.find_first_not_of(" \t") != std::string::npos)
      return true;
  }
  return false;
}

// The header: the format's name and version, then the seed.
std::string readHeader(std::istream& in, int& line, RecordedRun& run) {
  std::string text, word, token;
  long number = 0;
  if (!nextLine(in, line, text)) return "empty file";
  std::istringstream first(text);
  if (!(first >> word >> token) || word != RECORD_FORMAT || (first >> word))
    return "not a recording of input (no '" + RECORD_FORMAT + " " + std::to_string(RECORD_VERSION) +
           "' line)";
  if (!readNumber(token, 1, INT_MAX, number) || number != RECORD_VERSION)
    return "version " + token.substr(0, 20) + " is not read by this engine";
  if (!nextLine(in, line, text)) return "no seed";
  std::istringstream second(text);
  if (!(second >> word >> token) || word != "seed" || (second >> word) ||
      !readNumber(token, INT_MIN, INT_MAX, number))
    return "expected 'seed' and a number";
  run.seed = static_cast<int>(number);
  return "";
}

// The end line's frame count and state; the reason when it is wrong.
std::string readEnd(std::istringstream& words, RecordedRun& run) {
  std::string count, state, extra;
  long frames = 0;
  if (!(words >> count >> state) || (words >> extra) || !readNumber(count, 0, LONG_MAX, frames))
    return "expected 'end', the count of frames and the state";
  if (frames != run.frame_count)
    return "the end counts " + count + " frames, the file has " + std::to_string(run.frame_count);
  run.ended = true;
  run.end_state = state;
  return "";
}

}  // namespace

std::string frameText(const RecordedFrame& frame) {
  std::ostringstream text;
  for (const InputEvent& e : frame.events) {
    if (e.type == InputEvent::KEY_PRESSED || e.type == InputEvent::KEY_RELEASED)
      text << (e.type == InputEvent::KEY_PRESSED ? " press " : " release ") << e.code;
    else if (e.type == InputEvent::MOUSE_MOVED)
      text << " move " << e.position.x << ' ' << e.position.y;
    else if (e.type == InputEvent::MOUSE_CLICKED)
      text << " click " << e.code << ' ' << e.position.x << ' ' << e.position.y;
    else if (e.type == InputEvent::RESIZED)
      text << " resize " << e.position.x << ' ' << e.position.y;
    else if (e.type == InputEvent::CLOSED)
      text << " close";
  }
  for (int key : frame.keys) text << " key " << key;
  for (int button : frame.buttons) text << " button " << button;
  if (frame.mouse.x != 0 || frame.mouse.y != 0)
    text << " mouse " << frame.mouse.x << ' ' << frame.mouse.y;
  if (frame.plies >= 0) text << " plies " << frame.plies;
  if (!frame.window) text << " nowindow";
  return text.str();
}

bool readRecording(std::istream& in, RecordedRun& run, int& line, std::string& reason) {
  run = RecordedRun();
  line = 0;
  reason = readHeader(in, line, run);
  std::string text, first;
  while (reason.empty() && nextLine(in, line, text)) {
    std::istringstream words(text);
    words >> first;
    long repeat = 0;
    if (run.ended) {
      reason = "a line after the end";
    } else if (first == "end") {
      reason = readEnd(words, run);
    } else if (!readNumber(first, 1, MAX_REPEAT - run.frame_count, repeat)) {
      reason = "expected a count of frames, not '" + first.substr(0, 40) + "'";
    } else {
      RecordedFrame frame;
      frame.repeat = repeat;
      reason = readFrame(words, frame);
      run.frame_count += repeat;
      run.frames.push_back(std::move(frame));
    }
  }
  return reason.empty();
}

}  // namespace vt
