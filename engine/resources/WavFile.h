// Reading a WAV file's samples: uncompressed PCM of 8, 16, 24 or 32 bits or
// 32-bit floats, in one or two channels, turned into 16-bit samples. The
// web build decodes sounds and music with it; the desktop leaves that to
// SFML.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vt {

struct WavSamples {
  unsigned channels = 0;     ///< 1 or 2, interleaved
  unsigned sample_rate = 0;  ///< frames per second
  std::vector<std::int16_t> samples;
};

/// Decodes the bytes of a WAV file into wav. Empty on success, else what
/// is wrong (not a WAV file, an unsupported format, samples cut short);
/// wav is then left as it was.
std::string decodeWav(const std::string& bytes, WavSamples& wav);

}  // namespace vt
