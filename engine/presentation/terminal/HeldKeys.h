// Which keys a terminal's user holds down. A terminal that reports key
// releases (the kitty keyboard protocol) says so itself: a key is held from
// its press to its release. Any other terminal only repeats a held key's
// press, after a delay and then quickly: a press holds its key down
// briefly, so that a tap moves a game by one step; a press that follows
// quickly holds it down until the next repeat is due; and the key counts as
// let go only when no repeat came within the longest usual repeat delay, so
// that the first repeat continues the hold rather than pressing the key
// anew. Internal to the terminal output.
#pragma once

#include <chrono>
#include <vector>

#include "presentation/KeyCode.h"

namespace vt {

class HeldKeys {
 public:
  using Time = std::chrono::steady_clock::time_point;

  /// How long a press holds its key down when it is not a quick repeat.
  static constexpr std::chrono::milliseconds TAP_HOLD{50};
  /// Presses this close together are a held key's repeats ...
  static constexpr std::chrono::milliseconds REPEAT_GAP{120};
  /// ... and each holds it down this long, past the next repeat.
  static constexpr std::chrono::milliseconds REPEAT_HOLD{150};
  /// A press within this long of the last one continues its hold.
  static constexpr std::chrono::milliseconds REPEAT_DELAY{700};

  HeldKeys();

  /// From now on the terminal reports releases (true) or not.
  void setReleaseReports(bool on);

  /// The key (a KeyCode) was pressed or repeated at now; whether that is a
  /// new press rather than one continuing a hold.
  bool press(int code, Time now);

  /// The terminal reported the key's release; whether it was held.
  bool release(int code);

  /// Lets go of the keys whose hold ended by now, adding them to released.
  void expire(Time now, std::vector<int>& released);

  /// Whether the key is down at now.
  bool isDown(int code, Time now) const;

 private:
  struct Key {
    bool held = false;  // pressed and not let go yet
    Time down_until;    // down before this, held but quiet after it
    Time release_at;    // let go then without a release report
    Time last_press;
  };
  std::vector<Key> keys;
  bool release_reports;
};

}  // namespace vt
