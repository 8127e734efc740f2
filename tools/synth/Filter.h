// A one-pole filter that takes the edge off a signal (low pass) or keeps only
// its hiss and clicks (high pass); used to colour noise.
#pragma once

namespace synth {

class Filter {
 public:
  enum Mode { LOW_PASS, HIGH_PASS };

  /// A filter that starts at rest; cutoff in hertz, sample rates below 1 count as 1.
  Filter(Mode mode, double cutoff, int sample_rate);

  /// Filters one sample.
  float process(float input);

 private:
  Mode mode;
  double feedback;
  double state;
};

}  // namespace synth
