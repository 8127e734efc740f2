#include "presentation/RunInput.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "path/PathManager.h"
#include "presentation/KeyCode.h"
#include "world/Object.h"
#include "world/ObjectListIterator.h"
#include "world/WorldManager.h"

namespace vt {

std::string worldState() {
  // FNV-1a over every object's text, in the world's order.
  std::uint64_t hash = 14695981039346656037ull;
  ObjectList all = WorldManager::getInstance().getAllObjects(true);
  for (ObjectListIterator it(&all); !it.isDone(); it.next())
    for (char c : it.currentObject()->serialize(true) + "\n") {
      hash ^= static_cast<unsigned char>(c);
      hash *= 1099511628211ull;
    }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

ReplayInput::ReplayInput(RecordedRun init_run)
    : run(std::move(init_run)),
      index(run.frames.size()),
      repeats_left(0),
      next_event(0),
      frame_count(0) {}

bool ReplayInput::nextFrame() {
  if (repeats_left > 0) {
    repeats_left--;
  } else {
    std::size_t next = index == run.frames.size() ? 0 : index + 1;
    if (next >= run.frames.size()) return false;
    index = next;
    repeats_left = run.frames[index].repeat - 1;
  }
  next_event = 0;
  frame_count++;
  int plies = run.frames[index].plies;
  if (plies >= 0) PathManager::getInstance().planPlies(plies);
  return true;
}

bool ReplayInput::atEnd() const { return frame_count == run.frame_count; }

long ReplayInput::getFrameCount() const { return frame_count; }

const RecordedRun& ReplayInput::getRun() const { return run; }

bool ReplayInput::hasWindow() const {
  return index < run.frames.size() && run.frames[index].window;
}

void ReplayInput::refresh() {}

bool ReplayInput::pollEvent(InputEvent& event) {
  if (index >= run.frames.size() || next_event >= run.frames[index].events.size()) return false;
  event = run.frames[index].events[next_event++];
  return true;
}

bool ReplayInput::isKeyPressed(int key) const {
  if (index >= run.frames.size()) return false;
  const std::vector<int>& keys = run.frames[index].keys;
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

bool ReplayInput::isButtonPressed(int button) const {
  if (index >= run.frames.size()) return false;
  const std::vector<int>& buttons = run.frames[index].buttons;
  return std::find(buttons.begin(), buttons.end(), button) != buttons.end();
}

Pixel ReplayInput::getMousePosition() const {
  return index < run.frames.size() ? run.frames[index].mouse : Pixel();
}

bool RecordingInput::open(const std::string& filename, int seed) {
  file.open(filename, std::ios::binary | std::ios::trunc);
  file << RECORD_FORMAT << ' ' << RECORD_VERSION << "\nseed " << seed << '\n';
  file.flush();
  return file.good();
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
  // Each line reaches the file at once: a run that is killed keeps them.
  file << pending_repeat << pending << '\n';
  file.flush();
}

void RecordingInput::finish(const std::string& state) {
  endFrame();
  writePending();
  pending_repeat = 0;
  file << "end " << frame_count << ' ' << state << '\n';
  file.close();
}

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
