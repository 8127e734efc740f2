#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "synth/Mixer.h"
#include "synth/Sounds.h"
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

Wav encoded(int rate, int channels, const Pcm& samples) {
  std::vector<std::uint8_t> bytes = synth::WavWriter(rate, channels).encode(samples);
  return parseWav(std::string(bytes.begin(), bytes.end()));
}

class SynthFileTest : public InTempDir {};

}  // namespace

TEST_F(SynthFileTest, WavFilesMatchTheirSamplesAndAFailedWriteLeavesNothing) {
  Wav mono = encoded(22050, 1, {0, -32768, 32767, 1});
  ASSERT_TRUE(mono.valid);
  EXPECT_EQ(mono.channels, 1);
  EXPECT_EQ(mono.rate, 22050);
  EXPECT_EQ(mono.samples, (Pcm{0, -32768, 32767, 1}));
  // An odd sample count cannot fill the last stereo frame; it is left out.
  EXPECT_EQ(encoded(44100, 2, {1, 2, 3}).samples, (Pcm{1, 2}));

  synth::WavWriter writer(22050, 1);
  EXPECT_EQ(writer.write("missing/a.wav", {1, 2}), -1);
  fs::create_directory("taken");
  EXPECT_EQ(writer.write("taken", {1, 2}), -1);
  EXPECT_TRUE(fs::is_directory("taken"));
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
  ASSERT_EQ(writer.write("ok.wav", {5, -5}), 0);
  EXPECT_EQ(parseWav(readFile("ok.wav")).samples, (Pcm{5, -5}));
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

TEST(SynthTest, SoundsAreQuietAtTheirEndsNeverClipAndTheMusicLoopsAlive) {
  for (const synth::Mixer& sound : {synth::closeDoorSound(), synth::collectCoinSound()}) {
    double seconds = static_cast<double>(sound.length()) / sound.sampleRate();
    EXPECT_GT(seconds, 0.2);
    EXPECT_LT(seconds, 1.0);
    EXPECT_GT(sound.peak(), 0.3f);
    EXPECT_LT(sound.peak(), 0.99f);
    EXPECT_NEAR(sound.samples().front(), 0.0f, 0.01f);
    EXPECT_NEAR(sound.samples().back(), 0.0f, 0.01f);
  }
  synth::Mixer music = synth::enterTheMazeMusic();
  const std::vector<float>& s = music.samples();
  std::size_t half = static_cast<std::size_t>(music.sampleRate() / 2);
  EXPECT_GE(s.size(), 40 * half);
  EXPECT_LT(music.peak(), 0.99f);
  EXPECT_NEAR(s.front(), 0.0f, 0.01f);
  EXPECT_NEAR(s.back(), 0.0f, 0.01f);
  // Something plays in every half second, so no stretch of the loop is dead.
  for (std::size_t at = 0; at + half <= s.size(); at += half) {
    double energy = 0;
    for (std::size_t i = at; i < at + half; i++) energy += s[i] * s[i];
    EXPECT_GT(std::sqrt(energy / half), 0.02) << "quiet at sample " << at;
  }
  EXPECT_EQ(synth::enterTheMazeMusic().samples(), s);
}

TEST(StagedAssetsTest, SoundsFontAndSpritesStandBesideTheProgram) {
  const char* stage_env = std::getenv("MAZE_STAGE_DIR");
  const char* source_env = std::getenv("VANTLE_SOURCE_DIR");
  ASSERT_TRUE(stage_env && source_env);
  fs::path stage = stage_env;
  for (const char* name : {"close_door_1.wav", "collect_coin.wav", "enter_the_maze.wav"}) {
    Wav wav = parseWav(readFile((stage / "sounds" / name).string()));
    ASSERT_TRUE(wav.valid) << name;
    EXPECT_TRUE(wav.rate == 22050 || wav.rate == 44100) << name;
    // A full-scale sample means the mix was clamped: it clipped.
    int loudest = 0;
    for (int sample : wav.samples) loudest = std::max(loudest, std::abs(sample));
    EXPECT_LT(loudest, 32767) << name;
    if (name[0] == 'e') {  // the music
      EXPECT_GE(wav.samples.size(), static_cast<std::size_t>(20 * wav.rate * wav.channels));
    }
  }
  EXPECT_EQ(readFile((stage / "vt-font.ttf").string()).substr(0, 4), std::string("\0\1\0\0", 4));
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(source_env) / "sprites"))
    if (entry.path().extension() == ".txt") {
      EXPECT_EQ(readFile((stage / "sprites" / entry.path().filename()).string()),
                readFile(entry.path().string()))
          << entry.path().filename();
    }
}
