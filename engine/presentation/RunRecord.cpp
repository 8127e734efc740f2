#include "presentation/RunRecord.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <sstream>

#include "core/FileAccess.h"
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
std::string readWords(std::istringstream& words, RecordedFrame& frame) {
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

// A head line of a word and numbers in [low, high]; false for anything else.
bool readHeadNumbers(const std::string& text, const char* name, long low, long high,
                     std::initializer_list<int*> values) {
  std::istringstream words(text);
  std::string word, token;
  long number = 0;
  if (!(words >> word) || word != name) return false;
  for (int* p_value : values) {
    if (!(words >> token) || !readNumber(token, low, high, number)) return false;
    *p_value = static_cast<int>(number);
  }
  return !(words >> word);
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

std::string headText(const RecordedRun& run) {
  std::ostringstream text;
  text << RECORD_FORMAT << ' ' << RECORD_VERSION << "\nseed " << run.seed << "\nframe_time "
       << run.frame_time << "\nwindow " << run.columns << ' ' << run.rows << "\ngame"
       << (run.game.empty() ? "" : " ") << run.game << '\n';
  return text.str();
}

RecordReader::RecordReader(std::istream& init_in) : in(init_in) {}

int RecordReader::getLine() const { return line; }

const std::string& RecordReader::getReason() const { return reason; }

bool RecordReader::refuse(const std::string& why) {
  if (!reason.empty()) return false;
  reason = why;
  // What is missing at the end is missing at the line after the last.
  if (past_end) line++;
  return false;
}

bool RecordReader::nextLine(std::string& text) {
  for (;;) {
    LineRead got = readLine(in, text, MAX_RECORD_LINE);
    if (got == LineRead::END) {
      past_end = true;
      return false;
    }
    line++;
    if (got == LineRead::TOO_LONG)
      return refuse("longer than " + std::to_string(MAX_RECORD_LINE) + " characters");
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (!text.empty() && text[0] != '#' && text.find_first_not_of(" \t") != std::string::npos)
      return true;
  }
}

bool RecordReader::readHead(RecordedRun& run) {
  run = RecordedRun();
  std::string text, word, token;
  long version = 0;
  if (!nextLine(text)) return refuse("empty file");
  std::istringstream first(text);
  if (!(first >> word >> token) || word != RECORD_FORMAT || (first >> word))
    return refuse("not a recording of input (no '" + RECORD_FORMAT + " " +
                  std::to_string(RECORD_VERSION) + "' line)");
  // The first version named nothing a replay could be checked against.
  if (token == "1")
    return refuse(
        "version 1 names nothing of what the run depends on: "
        "record the run again");
  if (!readNumber(token, 1, INT_MAX, version) || version != RECORD_VERSION)
    return refuse("version " + token.substr(0, 20) + " is not read by this engine");
  if (!nextLine(text) || !readHeadNumbers(text, "seed", INT_MIN, INT_MAX, {&run.seed}))
    return refuse("expected 'seed' and a number");
  if (!nextLine(text) || !readHeadNumbers(text, "frame_time", 0, INT_MAX, {&run.frame_time}))
    return refuse("expected 'frame_time' and a number");
  if (!nextLine(text) ||
      !readHeadNumbers(text, "window", 0, MAX_COORDINATE, {&run.columns, &run.rows}))
    return refuse("expected 'window' and two numbers");
  if (!nextLine(text) || (text != "game" && text.compare(0, 5, "game ") != 0))
    return refuse("expected 'game' and what the game said the run depends on");
  run.game = text.substr(std::min<std::size_t>(text.size(), 5));
  return true;
}

bool RecordReader::readFrame(RecordedRun& run, RecordedFrame& frame) {
  std::string text, first, count, state, extra;
  while (reason.empty() && nextLine(text)) {
    std::istringstream words(text);
    words >> first;
    long repeat = 0;
    if (ended) return refuse("a line after the end");
    if (first != "end") {
      if (!readNumber(first, 1, MAX_REPEAT - frames, repeat))
        return refuse("expected a count of frames, not '" + first.substr(0, 40) + "'");
      frame = RecordedFrame();
      frame.repeat = repeat;
      std::string why = readWords(words, frame);
      if (!why.empty()) return refuse(why);
      frames += repeat;
      return true;
    }
    long counted = 0;
    if (!(words >> count) || !readNumber(count, 0, LONG_MAX, counted) || (words >> state >> extra))
      return refuse("expected 'end', the count of frames and the state");
    if (counted != frames)
      return refuse("the end counts " + count + " frames, the file has " + std::to_string(frames));
    ended = true;
    run.frame_count = frames;
    run.end_state = state;
  }
  if (reason.empty() && !ended) refuse("no 'end' line: the recording was cut short");
  return false;
}

bool readRecording(std::istream& in, RecordedRun& run, int& line, std::string& reason,
                   std::vector<RecordedFrame>* p_frames) {
  RecordReader reader(in);
  RecordedFrame frame;
  if (reader.readHead(run))
    while (reader.readFrame(run, frame))
      if (p_frames) p_frames->push_back(std::move(frame));
  line = reader.getLine();
  reason = reader.getReason();
  return reason.empty();
}

}  // namespace vt
