#include "resources/WavFile.h"

#include <cstring>

namespace vt {

namespace {

const unsigned FORMAT_PCM = 1;
const unsigned FORMAT_FLOAT = 3;
const unsigned FORMAT_EXTENSIBLE = 0xFFFE;

unsigned little(const std::string& bytes, std::size_t at, int count) {
  unsigned value = 0;
  for (int i = count - 1; i >= 0; i--)
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

// One sample of the given width at at, scaled to 16 bits.
std::int16_t sampleAt(const std::string& bytes, std::size_t at, unsigned bits, bool is_float) {
  if (is_float) {
    std::uint32_t raw = little(bytes, at, 4);
    float value;
    std::memcpy(&value, &raw, sizeof value);
    if (!(value > -1.0f)) value = -1.0f;  // NaN too
    if (value > 1.0f) value = 1.0f;
    return static_cast<std::int16_t>(value * 32767.0f);
  }
  if (bits == 8) return static_cast<std::int16_t>((static_cast<int>(bytes[at] & 0xFF) - 128) * 256);
  // The top two bytes of a wider sample, read as signed.
  unsigned top = little(bytes, at + bits / 8 - 2, 2);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(top));
}

}  // namespace

std::string decodeWav(const std::string& bytes, WavSamples& wav) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
    return "not a WAV file";
  unsigned format = 0, channels = 0, rate = 0, bits = 0;
  bool have_format = false;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    std::string id = bytes.substr(at, 4);
    std::size_t size = little(bytes, at + 4, 4);
    std::size_t body = at + 8;
    if (size > bytes.size() - body) return "chunk '" + id + "' cut short";
    if (id == "fmt ") {
      if (size < 16) return "format chunk too short";
      format = little(bytes, body, 2);
      channels = little(bytes, body + 2, 2);
      rate = little(bytes, body + 4, 4);
      bits = little(bytes, body + 14, 2);
      if (format == FORMAT_EXTENSIBLE && size >= 26) format = little(bytes, body + 24, 2);
      have_format = true;
    } else if (id == "data") {
      if (!have_format) return "samples before their format";
      bool is_float = format == FORMAT_FLOAT && bits == 32;
      bool is_pcm = format == FORMAT_PCM && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
      if (!is_float && !is_pcm) return "unsupported sample format";
      if (channels < 1 || channels > 2 || rate == 0) return "unsupported channels or rate";
      std::size_t width = bits / 8;
      std::size_t count = size / width / channels * channels;
      WavSamples decoded;
      decoded.channels = channels;
      decoded.sample_rate = rate;
      decoded.samples.reserve(count);
      for (std::size_t i = 0; i < count; i++)
        decoded.samples.push_back(sampleAt(bytes, body + i * width, bits, is_float));
      wav = std::move(decoded);
      return "";
    }
    at = body + size + (size & 1);  // chunks are padded to even sizes
  }
  return "no samples";
}

}  // namespace vt
