// A voice that plays notes: an oscillator shaped by an envelope, optionally
// filtered and with a falling pitch at the start (drums, thuds).
#pragma once

#include <cstdint>
#include <vector>

#include "synth/Envelope.h"
#include "synth/Filter.h"
#include "synth/Oscillator.h"

namespace synth {

class Mixer;

class Instrument {
 public:
  Instrument(Waveform waveform, const Envelope& envelope, float gain);

  /// Pulse width of a square voice (see Oscillator::setPulseWidth).
  void setPulseWidth(double width);

  /// Passes every note through a one-pole filter at cutoff hertz.
  void setFilter(Filter::Mode mode, double cutoff);

  /// Each note starts ratio times higher and falls to its pitch with the
  /// time constant time (seconds).
  void setPitchDrop(double ratio, double time);

  /// Seed of a noise voice; the same seed gives the same note.
  void setSeed(std::uint32_t seed);

  /// The samples of one note held for hold seconds, release included.
  std::vector<float> render(double frequency, double hold, int sample_rate) const;

  /// Renders a note and adds it to mixer at start seconds.
  void play(Mixer& mixer, double start, double frequency, double hold) const;

  /// Frequency of a MIDI note number (69 is A at 440 Hz).
  static double hertz(int midi_note);

 private:
  Waveform waveform;
  Envelope envelope;
  float gain;
  double pulse_width;
  bool filtered;
  Filter::Mode filter_mode;
  double cutoff;
  double drop_ratio;
  double drop_time;
  std::uint32_t seed;
};

}  // namespace synth
