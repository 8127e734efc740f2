#include "presentation/RunInput.h"

#include <algorithm>

#include "core/Utility.h"
#include "path/PathManager.h"
#include "presentation/KeyCode.h"
#include "world/Object.h"
#include "world/ObjectListIterator.h"
#include "world/WorldManager.h"

namespace vt {

std::string worldState() {
  TextDigest digest;
  ObjectList all = WorldManager::getInstance().getAllObjects(true);
  for (ObjectListIterator it(&all); !it.isDone(); it.next())
    digest.add(it.currentObject()->serialize(true) + "\n");
  return digest.hex();
}

ReplayInput::ReplayInput(std::istream& in, RecordedRun init_run)
    : reader(in), run(std::move(init_run)) {
  failed = !reader.readHead(read);
}

bool ReplayInput::nextFrame() {
  if (repeats_left > 0) {
    repeats_left--;
  } else {
    has_frame = !failed && reader.readFrame(read, current);
    failed = failed || !reader.getReason().empty();
    if (!has_frame) return false;
    repeats_left = current.repeat - 1;
  }
  next_event = 0;
  frame_count++;
  if (current.plies >= 0) PathManager::getInstance().planPlies(current.plies);
  return true;
}

bool ReplayInput::atEnd() const { return failed || frame_count == run.frame_count; }

long ReplayInput::getFrameCount() const { return frame_count; }

const RecordedRun& ReplayInput::getRun() const { return run; }

bool ReplayInput::hasWindow() const { return has_frame && current.window; }

void ReplayInput::refresh() {}

bool ReplayInput::pollEvent(InputEvent& event) {
  if (!has_frame || next_event >= current.events.size()) return false;
  event = current.events[next_event++];
  return true;
}

bool ReplayInput::isKeyPressed(int key) const {
  return has_frame &&
         std::find(current.keys.begin(), current.keys.end(), key) != current.keys.end();
}

bool ReplayInput::isButtonPressed(int button) const {
  return has_frame &&
         std::find(current.buttons.begin(), current.buttons.end(), button) != current.buttons.end();
}

Pixel ReplayInput::getMousePosition() const {
  return has_frame ? current.mouse : Pixel();
}

std::string RecordingInput::open(const std::string& filename, const RecordedRun& head) {
  std::string reason = file.open(filename);
  if (!reason.empty()) return reason;
  file.stream() << headText(head);
  file.stream().flush();
  return file.stream() ? "" : "cannot be written";
}

void RecordingInput::nextFrame(InputSource& live) {
  endFrame();
  p_live = &live;
  current = RecordedFrame();
  current.window = live.hasWindow();
  in_frame = true;
}

void RecordingInput::endFrame() {
  if (!in_frame) return;
  in_frame = false;
  current.plies = PathManager::getInstance().getLastPlies();
  std::string text = frameText(current);
  frame_count++;
  if (pending_repeat > 0 && text == pending) {
    pending_repeat++;
    return;
  }
  writePending();
  pending = text;
  pending_repeat = 1;
}

void RecordingInput::writePending() {
  if (pending_repeat == 0) return;
  // Each line reaches the file at once: a run that breaks down leaves them
  // in the temporary file, beside the recording's name.
  file.stream() << pending_repeat << pending << '\n';
  file.stream().flush();
}

std::string RecordingInput::finish(const std::string& state) {
  endFrame();
  writePending();
  pending_repeat = 0;
  file.stream() << "end " << frame_count << ' ' << state << '\n';
  return file.commit();
}

void RecordingInput::discard() { file.discard(); }

bool RecordingInput::hasWindow() const { return p_live && p_live->hasWindow(); }

void RecordingInput::refresh() {
  if (!p_live) return;
  p_live->refresh();
  // What is held is taken once, as the input manager will ask about it.
  current.keys.clear();
  current.buttons.clear();
  for (int key = 0; key < KeyCode::COUNT; key++)
    if (p_live->isKeyPressed(key)) current.keys.push_back(key);
  for (int button = 0; button < KeyCode::MOUSE_BUTTON_COUNT; button++)
    if (p_live->isButtonPressed(button)) current.buttons.push_back(button);
  current.mouse = p_live->getMousePosition();
}

bool RecordingInput::pollEvent(InputEvent& event) {
  if (!p_live || !p_live->pollEvent(event)) return false;
  // The input manager ignores the others.
  if (event.type != InputEvent::OTHER) current.events.push_back(event);
  return true;
}

bool RecordingInput::isKeyPressed(int key) const {
  return std::find(current.keys.begin(), current.keys.end(), key) != current.keys.end();
}

bool RecordingInput::isButtonPressed(int button) const {
  return std::find(current.buttons.begin(), current.buttons.end(), button) != current.buttons.end();
}

Pixel RecordingInput::getMousePosition() const { return current.mouse; }

}  // namespace vt
