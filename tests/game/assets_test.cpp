// The sounds the synthesiser made for the game, as staged beside the program,
// and the synthesiser's mixing and file writing.

#include "TestSupport.h"
#include "synth/Mixer.h"
#include "synth/WavWriter.h"

using namespace vt_test;
namespace fs = std::filesystem;
using Pcm = std::vector<std::int16_t>;

namespace {

struct Wav {
  bool valid = false;
  int channels = 0, rate = 0;
  Pcm samples;
};

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; i--) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

// A canonical 16-bit PCM file whose sizes all agree, holding whole frames.
Wav parseWav(const std::string& b) {
  Wav w;
  if (b.size() < 44 || b.compare(0, 4, "RIFF") || b.compare(8, 8, "WAVEfmt ") ||
      b.compare(36, 4, "data"))
    return w;
  w.channels = static_cast<int>(le(b, 22, 2)), w.rate = static_cast<int>(le(b, 24, 4));
  std::uint32_t size = le(b, 40, 4), frame = 2 * static_cast<std::uint32_t>(w.channels);
  w.valid = le(b, 4, 4) == b.size() - 8 && le(b, 16, 4) == 16 && le(b, 20, 2) == 1 &&
            le(b, 28, 4) == w.rate * frame && le(b, 32, 2) == frame && le(b, 34, 2) == 16 &&
            size == b.size() - 44 && size % frame == 0;
  for (std::size_t i = 44; w.valid && i < b.size(); i += 2)
    w.samples.push_back(static_cast<std::int16_t>(le(b, i, 2)));
  return w;
}

using SynthFileTest = InTempDir;

}  // namespace

// Each sound is loud enough yet never clipped and starts and ends quiet (no
// click); the effects are short and the music long.
TEST(StagedAssetsTest, SoundsAreWholeUnclippedAndQuietAtTheirEnds) {
  const char* stage = std::getenv("MAZE_STAGE_DIR");
  ASSERT_NE(stage, nullptr);
  for (const char* name : {"close_door_1.wav", "collect_coin.wav", "enter_the_maze.wav"}) {
    Wav wav = parseWav(readFile(std::string(stage) + "/sounds/" + name));
    ASSERT_TRUE(wav.valid && wav.rate == 22050 && wav.channels == 1) << name;
    const Pcm& s = wav.samples;
    int loudest = 0;
    for (int sample : s) loudest = std::max(loudest, std::abs(sample));
    double seconds = static_cast<double>(s.size()) / wav.rate;
    EXPECT_TRUE(loudest > 10000 && loudest < 32440 && std::abs(s.front()) < 330 &&
                std::abs(s.back()) < 330 && (name[0] == 'e' ? seconds > 20 : seconds < 1.0))
        << name << ": peak " << loudest << ", " << seconds << " s";
  }
}

// A looping mix wraps its overrun to the start (the music's loop point);
// too loud a mix is clamped, never wrapped round.
TEST(SynthTest, MixerWrapsOnlyWhenLoopingAndClampsInsteadOfWrapping) {
  synth::Mixer once(100, 4), looped(100, 4), loud(100, 2);
  looped.setLooping(true);
  once.add({1, 2, 3}, 2, 0.5f);
  looped.add({1, 2, 3}, 2, 0.5f);
  EXPECT_EQ(once.samples(), (std::vector<float>{0, 0, 0.5f, 1}));
  EXPECT_EQ(looped.samples(), (std::vector<float>{1.5f, 0, 0.5f, 1}));
  loud.add({1.5f, -2.0f}, 0);
  EXPECT_EQ(loud.toPcm16(), (Pcm{32767, -32767}));
  synth::Mixer silent(100, 3);
  silent.normalize(0.8f);
  EXPECT_EQ(silent.samples(), (std::vector<float>{0, 0, 0}));
}

// An odd sample count cannot fill the last stereo frame; it is left out. A
// failed write leaves what was at the path as it was, and no part behind.
TEST_F(SynthFileTest, StereoTakesWholeFramesAndAFailedWriteLeavesWhatWasThere) {
  std::vector<std::uint8_t> bytes = synth::WavWriter(44100, 2).encode({1, 2, 3});
  EXPECT_EQ(parseWav(std::string(bytes.begin(), bytes.end())).samples, (Pcm{1, 2}));
  synth::WavWriter writer(22050, 1);
  EXPECT_EQ(writer.write("missing/a.wav", {1, 2}), -1);
  ASSERT_EQ(writer.write("ok.wav", {5, -5}), 0);
  fs::create_directory("ok.wav.part");  // in the way of the next write
  EXPECT_EQ(writer.write("ok.wav", {1, 2}), -1);
  fs::remove("ok.wav.part");
  fs::create_directory("taken");
  EXPECT_EQ(writer.write("taken", {1, 2}), -1);
  EXPECT_TRUE(fs::is_directory("taken"));
  EXPECT_EQ(parseWav(readFile("ok.wav")).samples, (Pcm{5, -5}));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2);
}
