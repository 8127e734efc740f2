// A signal source stepped one sample at a time: sine, square, triangle or
// noise. Square waves are band-limited so that high notes do not alias into
// hiss, and have no DC offset at any pulse width.
#pragma once

#include <cstdint>

namespace synth {

enum class Waveform { SINE, SQUARE, TRIANGLE, NOISE };

class Oscillator {
 public:
  /// Starts at phase zero; sample rates below 1 count as 1.
  Oscillator(Waveform waveform, int sample_rate);

  /// Sets the pitch; kept between 0 and just below half the sample rate.
  void setFrequency(double hertz);

  /// Share of each period a square wave spends high, kept in [0.05, 0.95].
  void setPulseWidth(double width);

  /// Restarts the noise sequence; the same seed gives the same noise.
  void setSeed(std::uint32_t seed);

  /// The next sample, roughly in [-1, 1]; the first one of sine and triangle is 0.
  float next();

 private:
  float square() const;
  float noise();

  Waveform waveform;
  double sample_rate;
  double phase;
  double increment;
  double pulse_width;
  std::uint32_t noise_state;
};

}  // namespace synth
