// Encodes 16-bit PCM samples as a RIFF/WAVE file (little-endian, canonical
// 44-byte header) and writes it so that a failed write leaves no file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace synth {

class WavWriter {
 public:
  /// Sample rates and channel counts below 1 count as 1.
  WavWriter(int sample_rate, int channels);

  /// The whole file: header and samples (interleaved when there are several channels).
  std::vector<std::uint8_t> encode(const std::vector<std::int16_t>& samples) const;

  /// Writes the file at path; 0 on success, -1 on failure, and then
  /// whatever was at path before is left as it was.
  int write(const std::string& path, const std::vector<std::int16_t>& samples) const;

 private:
  std::uint32_t sample_rate;
  std::uint16_t channels;
};

}  // namespace synth
