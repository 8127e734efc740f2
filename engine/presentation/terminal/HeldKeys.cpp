#include "presentation/terminal/HeldKeys.h"

namespace vt {

HeldKeys::HeldKeys() : keys(KeyCode::COUNT), release_reports(false) {}

void HeldKeys::setReleaseReports(bool on) { release_reports = on; }

bool HeldKeys::press(int code, Time now) {
  if (code < 0 || code >= KeyCode::COUNT) return false;
  Key& key = keys[static_cast<std::size_t>(code)];
  bool fresh = !key.held;
  if (release_reports) {
    key.down_until = key.release_at = Time::max();
  } else {
    bool repeating = !fresh && now - key.last_press < REPEAT_GAP;
    key.down_until = now + (repeating ? REPEAT_HOLD : TAP_HOLD);
    // Once repeating, the key is let go when the repeats stop.
    key.release_at = repeating ? key.down_until : now + REPEAT_DELAY;
  }
  key.held = true;
  key.last_press = now;
  return fresh;
}

bool HeldKeys::release(int code) {
  if (code < 0 || code >= KeyCode::COUNT) return false;
  Key& key = keys[static_cast<std::size_t>(code)];
  bool was_held = key.held;
  key.held = false;
  return was_held;
}

void HeldKeys::expire(Time now, std::vector<int>& released) {
  for (std::size_t code = 0; code < keys.size(); code++) {
    Key& key = keys[code];
    if (!key.held || now < key.release_at) continue;
    key.held = false;
    released.push_back(static_cast<int>(code));
  }
}

bool HeldKeys::isDown(int code, Time now) const {
  if (code < 0 || code >= KeyCode::COUNT) return false;
  const Key& key = keys[static_cast<std::size_t>(code)];
  return key.held && now < key.down_until;
}

}  // namespace vt
