// A mono buffer of fixed length that sounds are summed into, then scaled and
// turned into 16-bit samples. A looping mixer wraps whatever runs past its
// end back to its start, as it would sound when the buffer repeats.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace synth {

class Mixer {
 public:
  /// A silent buffer of length samples; sample rates below 1 count as 1.
  Mixer(int sample_rate, std::size_t length);

  /// Whether sounds running past the end continue from the start.
  void setLooping(bool looping);

  /// Adds sound, scaled by gain, from sample offset on. Without looping,
  /// samples past the end are dropped.
  void add(const std::vector<float>& sound, std::size_t offset, float gain = 1.0f);

  /// The sample index nearest to a time in seconds.
  std::size_t offsetOf(double seconds) const;

  /// The largest absolute sample value.
  float peak() const;

  /// Scales the buffer so its peak equals target; a silent buffer stays silent.
  void normalize(float target);

  /// The samples as 16-bit values; values beyond [-1, 1] are clamped, not wrapped.
  std::vector<std::int16_t> toPcm16() const;

  int sampleRate() const;
  std::size_t length() const;
  const std::vector<float>& samples() const;

 private:
  int sample_rate;
  bool looping;
  std::vector<float> buffer;
};

}  // namespace synth
