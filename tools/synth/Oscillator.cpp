#include "synth/Oscillator.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {
const double PI = 3.14159265358979323846;

// Smooths the jump of a square wave at phase t (0..1) over one sample.
double polyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}
}  // namespace

Oscillator::Oscillator(Waveform waveform, int sample_rate)
    : waveform(waveform),
      sample_rate(std::max(sample_rate, 1)),
      phase(0.0),
      increment(0.0),
      pulse_width(0.5),
      noise_state(1) {}

void Oscillator::setFrequency(double hertz) {
  double nyquist = sample_rate / 2.0;
  increment = std::clamp(hertz, 0.0, nyquist * 0.999) / sample_rate;
}

void Oscillator::setPulseWidth(double width) { pulse_width = std::clamp(width, 0.05, 0.95); }

void Oscillator::setSeed(std::uint32_t seed) { noise_state = seed != 0 ? seed : 1; }

float Oscillator::next() {
  float value = 0.0f;
  switch (waveform) {
    case Waveform::SINE:
      value = static_cast<float>(std::sin(2.0 * PI * phase));
      break;
    case Waveform::SQUARE:
      value = square();
      break;
    case Waveform::TRIANGLE:
      if (phase < 0.25) {
        value = static_cast<float>(4.0 * phase);
      } else if (phase < 0.75) {
        value = static_cast<float>(2.0 - 4.0 * phase);
      } else {
        value = static_cast<float>(4.0 * phase - 4.0);
      }
      break;
    case Waveform::NOISE:
      value = noise();
      break;
  }
  phase += increment;
  phase -= std::floor(phase);
  return value;
}

float Oscillator::square() const {
  double value = phase < pulse_width ? 1.0 : -1.0;
  if (increment > 0.0) {
    value += polyBlep(phase, increment);
    value -= polyBlep(std::fmod(phase + 1.0 - pulse_width, 1.0), increment);
  }
  // A pulse's mean is 2w - 1; removing it keeps envelopes from thumping.
  return static_cast<float>(value - (2.0 * pulse_width - 1.0));
}

float Oscillator::noise() {
  // xorshift32: cheap, and the same on every platform.
  noise_state ^= noise_state << 13;
  noise_state ^= noise_state >> 17;
  noise_state ^= noise_state << 5;
  return static_cast<float>(noise_state / 4294967295.0 * 2.0 - 1.0);
}

}  // namespace synth
