// The loudness curve of a note: a linear attack, an exponential decay towards
// the sustain level while the note is held, then a release that ends in
// exact silence.
#pragma once

namespace synth {

class Envelope {
 public:
  /// Times in seconds (negative ones count as 0), sustain as a level in [0, 1].
  Envelope(double attack, double decay, double sustain, double release);

  /// Level at time seconds after the note starts, for a note held for hold
  /// seconds; 0 before the start and from the end of the release on.
  float level(double time, double hold) const;

  /// Seconds from the start of the note to the end of its release.
  double length(double hold) const;

 private:
  double held(double time) const;

  double attack;
  double decay;
  double sustain;
  double release;
};

}  // namespace synth
