// Loudness as the engine's audio calls take it: 0 (silent) to 100 (as
// recorded). Internal to the engine; not part of vantle.h.
#pragma once

namespace vt {

/// The volume held within 0 to 100; NaN is taken as silence.
inline float clampVolume(float volume) {
  if (!(volume > 0)) return 0;
  return volume < 100 ? volume : 100;
}

}  // namespace vt
