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
#include <SFML/Graphics/RenderWindow.hpp>

#include "presentation/GraphicsManager.h"
#include "presentation/RunInput.h"
#include "presentation/SfmlConvert.h"

namespace vt {

namespace {
// Keys that give KEY_DOWN while held, in the order they are reported. F11,
// F12 and the keys without a name are left out.
const sf::Keyboard::Key HELD_KEYS[] = {
    sf::Keyboard::Up,       sf::Keyboard::Down,      sf::Keyboard::Left,
    sf::Keyboard::Right,    sf::Keyboard::Space,     sf::Keyboard::Enter,
    sf::Keyboard::Tab,      sf::Keyboard::Escape,    sf::Keyboard::Pause,
    sf::Keyboard::Subtract, sf::Keyboard::Add,       sf::Keyboard::Tilde,
    sf::Keyboard::Period,   sf::Keyboard::Comma,     sf::Keyboard::Slash,
    sf::Keyboard::Equal,    sf::Keyboard::Backslash, sf::Keyboard::Multiply,
    sf::Keyboard::Quote,    sf::Keyboard::Semicolon, sf::Keyboard::LControl,
    sf::Keyboard::RControl, sf::Keyboard::LShift,    sf::Keyboard::RShift,
    sf::Keyboard::F1,       sf::Keyboard::F2,        sf::Keyboard::F3,
    sf::Keyboard::F4,       sf::Keyboard::F5,        sf::Keyboard::F6,
    sf::Keyboard::F7,       sf::Keyboard::F8,        sf::Keyboard::F9,
    sf::Keyboard::F10,      sf::Keyboard::A,         sf::Keyboard::B,
    sf::Keyboard::C,        sf::Keyboard::D,         sf::Keyboard::E,
    sf::Keyboard::F,        sf::Keyboard::G,         sf::Keyboard::H,
    sf::Keyboard::I,        sf::Keyboard::J,         sf::Keyboard::K,
    sf::Keyboard::L,        sf::Keyboard::M,         sf::Keyboard::N,
    sf::Keyboard::O,        sf::Keyboard::P,         sf::Keyboard::Q,
    sf::Keyboard::R,        sf::Keyboard::S,         sf::Keyboard::T,
    sf::Keyboard::U,        sf::Keyboard::V,         sf::Keyboard::W,
    sf::Keyboard::X,        sf::Keyboard::Y,         sf::Keyboard::Z,
    sf::Keyboard::Num1,     sf::Keyboard::Num2,      sf::Keyboard::Num3,
    sf::Keyboard::Num4,     sf::Keyboard::Num5,      sf::Keyboard::Num6,
    sf::Keyboard::Num7,     sf::Keyboard::Num8,      sf::Keyboard::Num9,
    sf::Keyboard::Num0,     sf::Keyboard::Backspace,
};

// Window pixels to cells, through the picture the window may show scaled.
Vector toSpaces(int x, int y) {
  return pixelsToSpaces(GraphicsManager::getInstance().windowToPicture(x, y));
}
}  // namespace

InputManager::InputManager() : p_source(&window_source), p_reading(&window_source) {
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
  if (sf::RenderWindow* p_window = graphics.peekWindow()) {
    p_window->setKeyRepeatEnabled(false);
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
  if (sf::RenderWindow* p_window = GraphicsManager::getInstance().peekWindow()) {
    p_window->setKeyRepeatEnabled(true);
    log.writeLog(2, "InputManager::shutDown(): Keyboard repeat enabled.");
  }
  Manager::shutDown();
  log.writeLog(1, "InputManager::shutDown(): successfully stopped.");
}

bool InputManager::isValid(std::string event_type) const {
  return event_type == KEYBOARD_EVENT || event_type == MOUSE_EVENT;
}

void InputManager::setInputSource(InputSource* p_new_source) {
  p_source = p_new_source ? p_new_source : &window_source;
  p_reading = p_source;
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

  sf::Event event;
  while (p_reading->pollEvent(event)) {
    switch (event.type) {
      case sf::Event::Closed:
        // The rest of the queue stays for a later call.
        log.writeLog(1, "InputManager::getInput(): Window close event. Setting game over.");
        GameManager::getInstance().setGameOver();
        return;
      case sf::Event::KeyPressed:
        dispatchKey(event, KEY_PRESSED);
        break;
      case sf::Event::KeyReleased:
        dispatchKey(event, KEY_RELEASED);
        break;
      case sf::Event::MouseMoved:
        dispatchMouseMove(event);
        break;
      case sf::Event::MouseButtonPressed:
        dispatchClick(event);
        break;
      case sf::Event::Resized:
        GraphicsManager::getInstance().fitWindow(event.size.width, event.size.height);
        break;
      default:
        break;
    }
  }

  dispatchHeldButtons();
  dispatchHeldKeys();
}

InputSource* InputManager::frameSource() {
  InputSource* p_frame_source = p_source;
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
  p_reading = p_source;
  return complaint;
}

bool InputManager::replayEnded() const { return p_replay && p_replay->atEnd(); }

EventKeyboard InputManager::toEventKeyboard(const sf::Event& key_event) const {
  EventKeyboard keyboard_event;
  Keyboard::Key key = Keyboard::fromSFML(key_event.key.code);
  keyboard_event.setKey(key);
  LogManager::getInstance().writeLog(15,
                                     "InputManager::toEventKeyboard(): Keyboard event '%c' (%d)",
                                     static_cast<int>(key), static_cast<int>(key_event.key.code));
  return keyboard_event;
}

void InputManager::dispatchKey(const sf::Event& key_event, EventKeyboardAction action) {
  EventKeyboard keyboard_event = toEventKeyboard(key_event);
  keyboard_event.setKeyboardAction(action);
  onEvent(&keyboard_event);
}

void InputManager::dispatchMouseMove(const sf::Event& move_event) {
  EventMouse mouse_event;
  mouse_event.setMouseAction(MOVED);
  mouse_event.setMousePosition(toSpaces(move_event.mouseMove.x, move_event.mouseMove.y));
  onEvent(&mouse_event);
}

void InputManager::dispatchClick(const sf::Event& button_event) {
  EventMouse mouse_event;
  mouse_event.setMouseAction(CLICKED);
  // The clicked button first, so that a click already let go by now keeps
  // it; a held left and then a held middle button take precedence over it.
  switch (button_event.mouseButton.button) {
    case sf::Mouse::Left:
      mouse_event.setMouseButton(Mouse::LEFT);
      break;
    case sf::Mouse::Right:
      mouse_event.setMouseButton(Mouse::RIGHT);
      break;
    case sf::Mouse::Middle:
      mouse_event.setMouseButton(Mouse::MIDDLE);
      break;
    default:
      break;
  }
  if (p_reading->isButtonPressed(sf::Mouse::Left)) mouse_event.setMouseButton(Mouse::LEFT);
  if (p_reading->isButtonPressed(sf::Mouse::Middle)) mouse_event.setMouseButton(Mouse::MIDDLE);
  mouse_event.setMousePosition(toSpaces(button_event.mouseButton.x, button_event.mouseButton.y));
  onEvent(&mouse_event);
}

void InputManager::dispatchHeldButtons() {
  sf::Vector2i pixels = p_reading->getMousePosition();
  EventMouse mouse_event;
  mouse_event.setMouseAction(PRESSED);
  mouse_event.setMousePosition(toSpaces(pixels.x, pixels.y));
  const std::pair<sf::Mouse::Button, Mouse::Button> buttons[] = {
      {sf::Mouse::Left, Mouse::LEFT},
      {sf::Mouse::Right, Mouse::RIGHT},
      {sf::Mouse::Middle, Mouse::MIDDLE},
  };
  for (const auto& [sfml_button, button] : buttons) {
    if (!p_reading->isButtonPressed(sfml_button)) continue;
    mouse_event.setMouseButton(button);
    onEvent(&mouse_event);
  }
}

void InputManager::dispatchHeldKeys() {
  for (sf::Keyboard::Key sfml_key : HELD_KEYS) {
    if (!p_reading->isKeyPressed(sfml_key)) continue;
    EventKeyboard keyboard_event;
    keyboard_event.setKey(Keyboard::fromSFML(sfml_key));
    keyboard_event.setKeyboardAction(KEY_DOWN);
    onEvent(&keyboard_event);
  }
}

}  // namespace vt
