#include "presentation/RunRecord.h"

#include <charconv>
#include <climits>
#include <sstream>

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

sf::Event event(sf::Event::EventType type) {
  sf::Event made{};
  made.type = type;
  return made;
}

// Applies one word with its numbers to the frame; the reason when a number
// is out of its range.
std::string apply(const std::string& word, const long* n, RecordedFrame& frame) {
  auto within = [&](int i, long low, long high) { return n[i] >= low && n[i] <= high; };
  const int keys = sf::Keyboard::KeyCount, buttons = sf::Mouse::ButtonCount;
  if (word == "press" || word == "release") {
    if (!within(0, -1, keys - 1)) return "no key " + std::to_string(n[0]);
    sf::Event e = event(word == "press" ? sf::Event::KeyPressed : sf::Event::KeyReleased);
    e.key.code = static_cast<sf::Keyboard::Key>(n[0]);
    frame.events.push_back(e);
  } else if (word == "click") {
    if (!within(0, 0, buttons - 1)) return "no mouse button " + std::to_string(n[0]);
    sf::Event e = event(sf::Event::MouseButtonPressed);
    e.mouseButton = {static_cast<sf::Mouse::Button>(n[0]), static_cast<int>(n[1]),
                     static_cast<int>(n[2])};
    frame.events.push_back(e);
  } else if (word == "move") {
    sf::Event e = event(sf::Event::MouseMoved);
    e.mouseMove = {static_cast<int>(n[0]), static_cast<int>(n[1])};
    frame.events.push_back(e);
  } else if (word == "resize") {
    if (!within(0, 0, MAX_COORDINATE) || !within(1, 0, MAX_COORDINATE)) return "no window size";
    sf::Event e = event(sf::Event::Resized);
    e.size = {static_cast<unsigned>(n[0]), static_cast<unsigned>(n[1])};
    frame.events.push_back(e);
  } else if (word == "close") {
    frame.events.push_back(event(sf::Event::Closed));
  } else if (word == "key") {
    if (!within(0, 0, keys - 1)) return "no key " + std::to_string(n[0]);
    frame.keys.push_back(static_cast<int>(n[0]));
  } else if (word == "button") {
    if (!within(0, 0, buttons - 1)) return "no mouse button " + std::to_string(n[0]);
    frame.buttons.push_back(static_cast<int>(n[0]));
  } else if (word == "mouse") {
    frame.mouse = sf::Vector2i(static_cast<int>(n[0]), static_cast<int>(n[1]));
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
  for (const sf::Event& e : frame.events) {
    if (e.type == sf::Event::KeyPressed || e.type == sf::Event::KeyReleased)
      text << (e.type == sf::Event::KeyPressed ? " press " : " release ") << e.key.code;
    else if (e.type == sf::Event::MouseMoved)
      text << " move " << e.mouseMove.x << ' ' << e.mouseMove.y;
    else if (e.type == sf::Event::MouseButtonPressed)
      text << " click " << e.mouseButton.button << ' ' << e.mouseButton.x << ' ' << e.mouseButton.y;
    else if (e.type == sf::Event::Resized)
      text << " resize " << e.size.width << ' ' << e.size.height;
    else if (e.type == sf::Event::Closed)
      text << " close";
  }
  for (int key : frame.keys) text << " key " << key;
  for (int button : frame.buttons) text << " button " << button;
  if (frame.mouse != sf::Vector2i()) text << " mouse " << frame.mouse.x << ' ' << frame.mouse.y;
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
