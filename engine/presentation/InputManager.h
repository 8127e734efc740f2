// Turns the keyboard and mouse activity of the graphics manager's output
// (the window, by default) into engine events, once per game-loop frame:
// first what the output queued (keys pressed and released, clicks, pointer
// moves, the close button), then one event for every mouse button and
// polled key held down during the frame. Objects receive them by
// registering for "vt::keyboard" or "vt::mouse".
#pragma once

#include <memory>
#include <string>

#include "core/EventKeyboard.h"
#include "core/Manager.h"
#include "presentation/InputSource.h"

namespace sf {
class Event;
}

namespace vt {

class ReadFile;
class ReplayInput;
class RecordingInput;

class InputManager : public Manager {
 public:
  static InputManager& getInstance();

  ~InputManager() override;

  /// Turns key repeat off on the window. Needs the graphics manager started
  /// first; -1 otherwise.
  int startUp() override;

  /// Turns key repeat back on.
  void shutDown() override;

  /// Only keyboard and mouse events are dispatched by the input manager.
  bool isValid(std::string event_type) const override;

  /// Reads and dispatches one frame's input, started or not. The window's
  /// close button sets game over and leaves the rest of the frame's input
  /// unread.
  void getInput();

  /// A keyboard event for a window's key event's key, its action left
  /// undefined.
  EventKeyboard toEventKeyboard(const sf::Event& key_event) const;

  /// A keyboard event for a key code (KeyCode.h), its action left undefined.
  EventKeyboard toEventKeyboard(int code) const;

  /// Reads input from p_new_source, which the caller keeps alive while it is
  /// set; null goes back to the output's.
  void setInputSource(InputSource* p_new_source);

  /// What the run depends on beyond the engine's own settings, as the game
  /// tells it (its levels, say): a recording keeps it, and a replay must
  /// find it the same. One line; set it before the game manager starts.
  void setRunContext(const std::string& context);

  /// Starts replaying the input of the configuration's replay file instead
  /// of the live input, with its seed, and recording the input read to its
  /// record file, with the seed given. Empty on success, else why not (a
  /// replay file that is damaged or no recording, with the line, or one
  /// made with another frame time, window size or run context).
  std::string openRunFiles(int& seed);

  /// Ends the recording with the world's state and puts it in place, and
  /// says whether a replay ended as its recording did. Empty when all went
  /// as recorded, else why not. Call before the world empties.
  std::string closeRunFiles();

  /// Whether a replay has no frame left to hand out.
  bool replayEnded() const;

 private:
  InputManager();

  /// The frame's source: the live one, or a replay, behind a recording.
  InputSource* frameSource();
  /// The caller's source, else the output's; one that reads nothing
  /// without an output.
  InputSource* liveSource();

  void dispatchKey(const InputEvent& key_event, EventKeyboardAction action);
  void dispatchMouseMove(const InputEvent& move_event);
  void dispatchClick(const InputEvent& button_event);
  void dispatchHeldButtons();
  void dispatchHeldKeys();

  InputSource no_output;                    // read while there is no output
  InputSource* p_source;                    // the caller's, or null for the output's
  InputSource* p_reading;                   // this frame's
  std::unique_ptr<ReadFile> p_replay_file;  // read by p_replay
  std::unique_ptr<ReplayInput> p_replay;
  std::unique_ptr<RecordingInput> p_recording;
  std::string replay_file;
  std::string record_file;
  std::string run_context;
};

}  // namespace vt
