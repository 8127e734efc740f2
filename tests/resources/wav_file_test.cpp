// The web build's WAV reader, which stands in for SFML's decoders there.
#include "TestSupport.h"
#include "resources/WavFile.h"

namespace {

std::string le(unsigned value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; i++) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

std::string chunk(const std::string& id, const std::string& body) {
  std::string padding(body.size() % 2, '\0');
  return id + le(static_cast<unsigned>(body.size()), 4) + body + padding;
}

std::string fmt(unsigned format, unsigned channels, unsigned bits, unsigned rate = 8000) {
  unsigned block = channels * bits / 8;
  return chunk("fmt ", le(format, 2) + le(channels, 2) + le(rate, 4) + le(rate * block, 4) +
                           le(block, 2) + le(bits, 2));
}

std::string wav(const std::string& chunks) {
  return "RIFF" + le(static_cast<unsigned>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

}  // namespace

// Every width becomes 16-bit samples, as SFML reads them; chunks that are
// not the format or the samples are skipped, odd ones with their padding.
TEST(WavFileTest, SamplesOfEachWidthAreReadAsSixteenBitsAndFaultsAreNamed) {
  struct Row {
    const char* what;
    std::string bytes;
    std::string error;
    unsigned channels;
    std::vector<std::int16_t> samples;
  };
  const std::string extensible =
      chunk("fmt ", le(0xFFFE, 2) + le(1, 2) + le(8000, 4) + le(16000, 4) + le(2, 2) + le(16, 2) +
                        le(22, 2) + le(16, 2) + le(0, 4) + le(1, 2) + std::string(14, '\0'));
  const std::vector<Row> rows = {
      {"16 bits", wav(fmt(1, 1, 16) + chunk("data", le(0x1234, 2) + le(0x8000, 2))), "", 1,
       {0x1234, -32768}},
      {"8 bits", wav(fmt(1, 1, 8) + chunk("data", std::string("\x80\xff\x00", 3))), "", 1, {0, 127 * 256, -32768}},
      {"24 bits in two channels", wav(fmt(1, 2, 24) + chunk("data", le(0x123456, 3) + le(0xFFFFFF, 3))),
       "", 2, {0x1234, -1}},
      {"floats, clamped", wav(fmt(3, 1, 32) + chunk("data", le(0x3F000000, 4) + le(0xC0000000, 4))),
       "", 1, {16383, -32767}},
      {"an odd chunk before", wav(chunk("LIST", "abc") + fmt(1, 1, 16) + chunk("data", le(7, 2))),
       "", 1, {7}},
      {"extensible PCM", wav(extensible + chunk("data", le(5, 2))), "", 1, {5}},
      {"a frame cut short", wav(fmt(1, 2, 16) + chunk("data", le(1, 2) + le(2, 2) + le(3, 2))), "",
       2, {1, 2}},
      {"no WAV", "RIFF....AVI LIST", "not a WAV file", 0, {}},
      {"samples first", wav(chunk("data", le(1, 2)) + fmt(1, 1, 16)),
       "samples before their format", 0, {}},
      {"compressed", wav(fmt(2, 1, 4) + chunk("data", "xx")), "unsupported sample format", 0, {}},
      {"three channels", wav(fmt(1, 3, 16) + chunk("data", "xxxxxx")),
       "unsupported channels or rate", 0, {}},
      {"a chunk past the end", wav(fmt(1, 1, 16)) + "data" + le(100, 4) + "xx",
       "chunk 'data' cut short", 0, {}},
      {"no samples", wav(fmt(1, 1, 16)), "no samples", 0, {}},
  };
  for (const Row& row : rows) {
    vt::WavSamples decoded;
    EXPECT_EQ(vt::decodeWav(row.bytes, decoded), row.error) << row.what;
    EXPECT_EQ(decoded.channels, row.channels) << row.what;
    EXPECT_EQ(decoded.samples, row.samples) << row.what;
    EXPECT_EQ(decoded.sample_rate, row.error.empty() ? 8000u : 0u) << row.what;
  }
}
