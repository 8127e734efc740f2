#include "synth/Filter.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {
const double PI = 3.14159265358979323846;
}

Filter::Filter(Mode mode, double cutoff, int sample_rate)
    : mode(mode),
      feedback(std::exp(-2.0 * PI * std::max(cutoff, 0.0) / std::max(sample_rate, 1))),
      state(0.0) {}

float Filter::process(float input) {
  state = (1.0 - feedback) * input + feedback * state;
  return static_cast<float>(mode == LOW_PASS ? state : input - state);
}

}  // namespace synth
