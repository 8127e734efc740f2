#include "presentation/InputManager.h"

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <utility>

#include "core/Config.h"
#include "core/EventMouse.h"
#include "core/FileAccess.h"
#include "core/GameManager.h"
#include "core/LogManager.h"
#include "presentation/GraphicsManager.h"
#include "presentation/RunInput.h"
#include "presentation/KeyCode.h"
#include "presentation/Output.h"

namespace vt {

namespace {
// Keys that give KEY_DOWN while held, in the order they are reported. F11,
// F12 and the keys without a name are left out.
const int HELD_KEYS[] = {
    KeyCode::UP,       KeyCode::DOWN,     KeyCode::LEFT,          KeyCode::RIGHT,
    KeyCode::SPACE,    KeyCode::ENTER,    KeyCode::TAB,           KeyCode::ESCAPE,
    KeyCode::PAUSE,    KeyCode::SUBTRACT, KeyCode::ADD,           KeyCode::TILDE,
    KeyCode::PERIOD,   KeyCode::COMMA,    KeyCode::SLASH,         KeyCode::EQUAL,
    KeyCode::BACKSLASH, KeyCode::MULTIPLY, KeyCode::QUOTE,        KeyCode::SEMICOLON,
    KeyCode::LEFT_CONTROL, KeyCode::RIGHT_CONTROL, KeyCode::LEFT_SHIFT, KeyCode::RIGHT_SHIFT,
    KeyCode::F1,       KeyCode::F1 + 1,   KeyCode::F1 + 2,        KeyCode::F1 + 3,
    KeyCode::F1 + 4,   KeyCode::F1 + 5,   KeyCode::F1 + 6,        KeyCode::F1 + 7,
    KeyCode::F1 + 8,   KeyCode::F1 + 9,   KeyCode::A,             KeyCode::A + 1,
    KeyCode::A + 2,    KeyCode::A + 3,    KeyCode::A + 4,         KeyCode::A + 5,
    KeyCode::A + 6,    KeyCode::A + 7,    KeyCode::A + 8,         KeyCode::A + 9,
    KeyCode::A + 10,   KeyCode::A + 11,   KeyCode::A + 12,        KeyCode::A + 13,
    KeyCode::A + 14,   KeyCode::A + 15,   KeyCode::A + 16,        KeyCode::A + 17,
    KeyCode::A + 18,   KeyCode::A + 19,   KeyCode::A + 20,        KeyCode::A + 21,
    KeyCode::A + 22,   KeyCode::A + 23,   KeyCode::A + 24,        KeyCode::Z,
    KeyCode::NUM_0 + 1, KeyCode::NUM_0 + 2, KeyCode::NUM_0 + 3,   KeyCode::NUM_0 + 4,
    KeyCode::NUM_0 + 5, KeyCode::NUM_0 + 6, KeyCode::NUM_0 + 7,   KeyCode::NUM_0 + 8,
    KeyCode::NUM_9,    KeyCode::NUM_0,    KeyCode::BACKSPACE,
};

// Window pixels to cells, through the picture the window may show scaled.
Vector toSpaces(int x, int y) {
  return pixelsToSpaces(GraphicsManager::getInstance().windowToPicture(x, y));
}
}  // namespace

InputManager::InputManager() : p_source(nullptr), p_reading(&no_output) {
  setType("InputManager");
}

InputManager::~InputManager() = default;

InputManager& InputManager::getInstance() {
  static InputManager instance;
  return instance;
}

int InputManager::startUp() {
  LogManager& log = LogManager::getInstance();
  GraphicsManager& graphics = GraphicsManager::getInstance();
  if (!graphics.isStarted()) {
    log.writeLog(
        "InputManager::startUp(): Error starting InputManager. GraphicsManager must be started "
        "first.");
    return -1;
  }
  // Held keys are reported every frame as KEY_DOWN; repeats would only
  // repeat KEY_PRESSED.
  Output* p_output = graphics.getOutput();
  if (p_output && p_output->getInput().setKeyRepeat(false)) {
    log.writeLog(2, "InputManager::startUp(): Keyboard repeated disabled.");
  } else {
    log.writeLog(
        "InputManager::startUp(): Warning - GraphicsManager unexpectedly returned null window! "
        "Cannot disable keyboard repeat.");
  }
  Manager::startUp();
  log.writeLog(5, "InputManager::startUp(): successfully started.");
  return 0;
}

void InputManager::shutDown() {
  LogManager& log = LogManager::getInstance();
  Output* p_output = GraphicsManager::getInstance().getOutput();
  if (p_output && p_output->getInput().setKeyRepeat(true)) {
    log.writeLog(2, "InputManager::shutDown(): Keyboard repeat enabled.");
  }
  Manager::shutDown();
  log.writeLog(1, "InputManager::shutDown(): successfully stopped.");
}

bool InputManager::isValid(std::string event_type) const {
  return event_type == KEYBOARD_EVENT || event_type == MOUSE_EVENT;
}

void InputManager::setInputSource(InputSource* p_new_source) {
  p_source = p_new_source;
  p_reading = liveSource();
}

InputSource* InputManager::liveSource() {
  if (p_source) return p_source;
  Output* p_output = GraphicsManager::getInstance().getOutput();
  return p_output && p_output->isOpen() ? &p_output->getInput() : &no_output;
}

void InputManager::getInput() {
  LogManager& log = LogManager::getInstance();
  p_reading = frameSource();
  // A replay that has run out reads nothing; the game loop ends on it.
  if (!p_reading) return;
  if (!p_reading->hasWindow()) {
    log.writeLog("InputManager::getInput(): GraphicsManager unexpectedly returned null window!");
    return;
  }
  p_reading->refresh();

  InputEvent event;
  while (p_reading->pollEvent(event)) {
    switch (event.type) {
      case InputEvent::CLOSED:
        // The rest of the queue stays for a later call.
        log.writeLog(1, "InputManager::getInput(): Window close event. Setting game over.");
        GameManager::getInstance().setGameOver();
        return;
      case InputEvent::KEY_PRESSED:
        dispatchKey(event, KEY_PRESSED);
        break;
      case InputEvent::KEY_RELEASED:
        dispatchKey(event, KEY_RELEASED);
        break;
      case InputEvent::MOUSE_MOVED:
        dispatchMouseMove(event);
        break;
      case InputEvent::MOUSE_CLICKED:
        dispatchClick(event);
        break;
      case InputEvent::RESIZED:
        GraphicsManager::getInstance().fitWindow(static_cast<unsigned>(event.position.x),
                                                 static_cast<unsigned>(event.position.y));
        break;
      default:
        break;
    }
  }

  dispatchHeldButtons();
  dispatchHeldKeys();
}

InputSource* InputManager::frameSource() {
  InputSource* p_frame_source = liveSource();
  if (p_replay) {
    if (!p_replay->nextFrame()) return nullptr;
    p_frame_source = p_replay.get();
  }
  if (p_recording) {
    p_recording->nextFrame(*p_frame_source);
    p_frame_source = p_recording.get();
  }
  return p_frame_source;
}

void InputManager::setRunContext(const std::string& context) {
  run_context = context;
  std::replace_if(
      run_context.begin(), run_context.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
}

namespace {
// Why a recording does not fit the run about to start, which has head as
// its own; empty when it fits.
std::string misfit(const RecordedRun& recorded, const RecordedRun& head) {
  auto window = [](const RecordedRun& run) {
    return std::to_string(run.columns) + " " + std::to_string(run.rows);
  };
  const std::tuple<const char*, std::string, std::string> settings[] = {
      {"frame_time", std::to_string(recorded.frame_time), std::to_string(head.frame_time)},
      {"window", window(recorded), window(head)},
      {"game", "'" + recorded.game + "'", "'" + head.game + "'"}};
  for (const auto& [name, then, now] : settings)
    if (then != now) return std::string("its '") + name + "' is " + then + ", this run's is " + now;
  return "";
}
}  // namespace

std::string InputManager::openRunFiles(int& seed) {
  const Config& config = Config::getInstance();
  const GraphicsManager& graphics = GraphicsManager::getInstance();
  LogManager& log = LogManager::getInstance();
  p_replay.reset();
  p_replay_file.reset();
  p_recording.reset();
  replay_file = config.getReplayFile();
  record_file = config.getRecordFile();
  RecordedRun head;
  head.frame_time = config.getFrameTime();
  head.columns = graphics.getHorizontal();
  head.rows = graphics.getVertical();
  head.game = run_context;
  std::string origin = "InputManager::openRunFiles(): ";
  if (!replay_file.empty()) {
    // Read once whole to check it, then frame by frame as the replay goes.
    auto p_file = std::make_unique<ReadFile>();
    std::string reason = p_file->open(replay_file, MAX_RECORD_BYTES);
    if (!reason.empty())
      return origin + "Cannot read the replay file '" + replay_file + "': " + reason + ".";
    RecordedRun run;
    int line = 0;
    bool sound = readRecording(p_file->stream(), run, line, reason);
    if (p_file->overCap())
      reason = "past the " + std::to_string(MAX_RECORD_BYTES) + " bytes a recording may hold";
    if (!sound || p_file->overCap())
      return origin + "Replay file '" + replay_file + "' refused, line " + std::to_string(line) +
             ": " + reason + ".";
    reason = misfit(run, head);
    if (!reason.empty())
      return origin + "Replay file '" + replay_file + "' does not fit this run: " + reason + ".";
    if (!p_file->rewind())
      return origin + "Cannot read the replay file '" + replay_file + "' again.";
    seed = run.seed;
    p_replay_file = std::move(p_file);
    p_replay = std::make_unique<ReplayInput>(p_replay_file->stream(), std::move(run));
    log.writeLog(1, "%sReplaying the input of '%s'.", origin.c_str(), replay_file.c_str());
  }
  if (!record_file.empty()) {
    head.seed = seed;
    p_recording = std::make_unique<RecordingInput>();
    std::string reason = p_recording->open(record_file, head);
    if (!reason.empty()) {
      p_replay.reset();
      p_recording.reset();
      return origin + "Cannot write the record file '" + record_file + "': " + reason + ".";
    }
    log.writeLog(1, "%sRecording the input to '%s'.", origin.c_str(), record_file.c_str());
  }
  return "";
}

std::string InputManager::closeRunFiles() {
  LogManager& log = LogManager::getInstance();
  std::string origin = "InputManager::closeRunFiles(): ";
  std::string state = p_recording || p_replay ? worldState() : "";
  std::string complaint;
  if (p_replay) {
    const RecordedRun& run = p_replay->getRun();
    if (p_replay->getFrameCount() == run.frame_count &&
        (run.end_state.empty() || state == run.end_state)) {
      log.writeLog(1, "%sThe replay of '%s' ends as its recording did.", origin.c_str(),
                   replay_file.c_str());
    } else {
      complaint = "The replay of '" + replay_file + "' ends after " +
                  std::to_string(p_replay->getFrameCount()) + " of " +
                  std::to_string(run.frame_count) + " frames in state " + state +
                  ", its recording in state " +
                  (run.end_state.empty() ? "(not given)" : run.end_state) + ".";
      log.writeLog("%sWarning! %s", origin.c_str(), complaint.c_str());
      // A replay cut short must not cut short the recording it replays.
      std::error_code error;
      if (p_recording && std::filesystem::equivalent(record_file, replay_file, error)) {
        p_recording->discard();
        p_recording.reset();
        log.writeLog("%sThe new recording is not kept: '%s' stays as it was.", origin.c_str(),
                     record_file.c_str());
      }
    }
  }
  if (p_recording) {
    std::string reason = p_recording->finish(state);
    if (!reason.empty()) {
      std::string failed = "Cannot write the record file '" + record_file + "': " + reason + ".";
      log.writeLog("%sError! %s", origin.c_str(), failed.c_str());
      if (complaint.empty()) complaint = failed;
    }
  }
  p_recording.reset();
  p_replay.reset();
  p_replay_file.reset();
  p_reading = liveSource();
  return complaint;
}

bool InputManager::replayEnded() const { return p_replay && p_replay->atEnd(); }

EventKeyboard InputManager::toEventKeyboard(int code) const {
  EventKeyboard keyboard_event;
  Keyboard::Key key = Keyboard::fromCode(code);
  keyboard_event.setKey(key);
  LogManager::getInstance().writeLog(15,
                                     "InputManager::toEventKeyboard(): Keyboard event '%c' (%d)",
                                     static_cast<int>(key), code);
  return keyboard_event;
}

void InputManager::dispatchKey(const InputEvent& key_event, EventKeyboardAction action) {
  EventKeyboard keyboard_event = toEventKeyboard(key_event.code);
  keyboard_event.setKeyboardAction(action);
  onEvent(&keyboard_event);
}

void InputManager::dispatchMouseMove(const InputEvent& move_event) {
  EventMouse mouse_event;
  mouse_event.setMouseAction(MOVED);
  mouse_event.setMousePosition(toSpaces(move_event.position.x, move_event.position.y));
  onEvent(&mouse_event);
}

void InputManager::dispatchClick(const InputEvent& button_event) {
  EventMouse mouse_event;
  mouse_event.setMouseAction(CLICKED);
  // The clicked button first, so that a click already let go by now keeps
  // it; a held left and then a held middle button take precedence over it.
  if (button_event.code >= Mouse::LEFT && button_event.code <= Mouse::MIDDLE)
    mouse_event.setMouseButton(static_cast<Mouse::Button>(button_event.code));
  if (p_reading->isButtonPressed(Mouse::LEFT)) mouse_event.setMouseButton(Mouse::LEFT);
  if (p_reading->isButtonPressed(Mouse::MIDDLE)) mouse_event.setMouseButton(Mouse::MIDDLE);
  mouse_event.setMousePosition(toSpaces(button_event.position.x, button_event.position.y));
  onEvent(&mouse_event);
}

void InputManager::dispatchHeldButtons() {
  Pixel pixels = p_reading->getMousePosition();
  EventMouse mouse_event;
  mouse_event.setMouseAction(PRESSED);
  mouse_event.setMousePosition(toSpaces(pixels.x, pixels.y));
  for (Mouse::Button button : {Mouse::LEFT, Mouse::RIGHT, Mouse::MIDDLE}) {
    if (!p_reading->isButtonPressed(button)) continue;
    mouse_event.setMouseButton(button);
    onEvent(&mouse_event);
  }
}

void InputManager::dispatchHeldKeys() {
  for (int code : HELD_KEYS) {
    if (!p_reading->isKeyPressed(code)) continue;
    EventKeyboard keyboard_event;
    keyboard_event.setKey(Keyboard::fromCode(code));
    keyboard_event.setKeyboardAction(KEY_DOWN);
    onEvent(&keyboard_event);
  }
}

}  // namespace vt
