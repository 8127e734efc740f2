#include "synth/WavWriter.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace synth {

namespace {
void put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xff));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xff));
  }
}

// One byte at a time: g++ 12 warns falsely on a range insert here.
void putTag(std::vector<std::uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; i++) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

// Chunk sizes are 32-bit; whole frames only, and the RIFF size must still fit.
std::size_t storableSamples(std::size_t count, std::uint16_t channels) {
  std::size_t limit = (std::numeric_limits<std::uint32_t>::max() - 36u) / 2u;
  count = std::min(count, limit);
  return count - count % channels;
}
}  // namespace

WavWriter::WavWriter(int sample_rate, int channels)
    : sample_rate(static_cast<std::uint32_t>(std::max(sample_rate, 1))),
      channels(static_cast<std::uint16_t>(std::clamp(channels, 1, 65535 / 2))) {}

std::vector<std::uint8_t> WavWriter::encode(const std::vector<std::int16_t>& samples) const {
  std::size_t count = storableSamples(samples.size(), channels);
  std::uint32_t data_size = static_cast<std::uint32_t>(count * 2);
  std::vector<std::uint8_t> out;
  out.reserve(44 + data_size);
  putTag(out, "RIFF");
  put32(out, 36 + data_size);
  putTag(out, "WAVE");
  putTag(out, "fmt ");
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, channels);
  put32(out, sample_rate);
  put32(out, sample_rate * channels * 2);
  put16(out, static_cast<std::uint16_t>(channels * 2));
  put16(out, 16);
  putTag(out, "data");
  put32(out, data_size);
  for (std::size_t i = 0; i < count; i++) {
    put16(out, static_cast<std::uint16_t>(samples[i]));
  }
  return out;
}

int WavWriter::write(const std::string& path, const std::vector<std::int16_t>& samples) const {
  // Written beside the target and renamed, so a half-written file never
  // takes the place of a good one.
  std::vector<std::uint8_t> bytes = encode(samples);
  std::string part = path + ".part";
  std::FILE* file = std::fopen(part.c_str(), "wb");
  if (file == nullptr) {
    return -1;
  }
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  bool closed = std::fclose(file) == 0;
  if (!written || !closed || std::rename(part.c_str(), path.c_str()) != 0) {
    std::remove(part.c_str());
    return -1;
  }
  return 0;
}

}  // namespace synth
