#include "synth/Envelope.h"

#include <algorithm>
#include <cmath>

namespace synth {

Envelope::Envelope(double attack, double decay, double sustain, double release)
    : attack(std::max(attack, 0.0)),
      decay(std::max(decay, 0.0)),
      sustain(std::clamp(sustain, 0.0, 1.0)),
      release(std::max(release, 0.0)) {}

float Envelope::level(double time, double hold) const {
  hold = std::max(hold, 0.0);
  if (time < 0.0 || time >= length(hold)) {
    return 0.0f;
  }
  if (time < hold) {
    return static_cast<float>(held(time));
  }
  // Squared fade: steep at first, and it meets zero without a corner.
  double rest = 1.0 - (time - hold) / release;
  return static_cast<float>(held(hold) * rest * rest);
}

double Envelope::length(double hold) const { return std::max(hold, 0.0) + release; }

double Envelope::held(double time) const {
  if (time < attack) {
    return time / attack;
  }
  if (decay <= 0.0) {
    return sustain;
  }
  return sustain + (1.0 - sustain) * std::exp(-(time - attack) / decay);
}

}  // namespace synth
