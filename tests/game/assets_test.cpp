#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "synth/Envelope.h"
#include "synth/Mixer.h"
#include "synth/Oscillator.h"
#include "synth/Sounds.h"
#include "synth/WavWriter.h"

using namespace vt_test;
namespace fs = std::filesystem;

namespace {
// What a reader of the file sees, found by walking its chunks.
struct WavInfo {
  bool valid = false;
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<std::int16_t> samples;
};

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; i--) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

WavInfo parseWav(const std::string& b) {
  WavInfo info;
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0 ||
      le(b, 4, 4) != b.size() - 8)
    return info;
  bool have_fmt = false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    std::uint32_t size = le(b, at + 4, 4);
    if (size > b.size() - at - 8) return info;
    if (b.compare(at, 4, "fmt ") == 0 && size >= 16) {
      info.format = le(b, at + 8, 2), info.channels = le(b, at + 10, 2);
      info.rate = le(b, at + 12, 4), info.bits = le(b, at + 22, 2);
      have_fmt = le(b, at + 16, 4) == static_cast<std::uint32_t>(info.rate * info.channels * 2) &&
                 le(b, at + 20, 2) == static_cast<std::uint32_t>(info.channels * 2);
    } else if (b.compare(at, 4, "data") == 0) {
      if (!have_fmt || at + 8 + size != b.size() || size % (info.channels * 2) != 0) return info;
      for (std::size_t i = 0; i < size; i += 2)
        info.samples.push_back(static_cast<std::int16_t>(le(b, at + 8 + i, 2)));
      info.valid = info.format == 1 && info.bits == 16;
      return info;
    }
    at += 8 + size;
  }
  return info;
}

std::string bytesOf(const std::vector<std::uint8_t>& v) { return std::string(v.begin(), v.end()); }

int signChanges(synth::Waveform waveform, double hertz, double pulse_width = 0.5) {
  synth::Oscillator osc(waveform, 22050);
  osc.setFrequency(hertz);
  osc.setPulseWidth(pulse_width);
  int changes = 0;
  float previous = osc.next();
  for (int i = 1; i < 22050; i++) {
    float sample = osc.next();
    if ((sample >= 0) != (previous >= 0)) changes++;
    previous = sample;
  }
  return changes;
}

class SynthFileTest : public InTempDir {};
}  // namespace

TEST(SynthTest, EncodedWavHeaderMatchesTheSamplesAndKeepsWholeFrames) {
  WavInfo mono = parseWav(bytesOf(synth::WavWriter(22050, 1).encode({0, -32768, 32767, 1})));
  ASSERT_TRUE(mono.valid);
  EXPECT_EQ(mono.channels, 1);
  EXPECT_EQ(mono.rate, 22050);
  EXPECT_EQ(mono.samples, (std::vector<std::int16_t>{0, -32768, 32767, 1}));
  // An odd sample count cannot fill the last stereo frame; it is left out.
  WavInfo stereo = parseWav(bytesOf(synth::WavWriter(44100, 2).encode({1, 2, 3})));
  ASSERT_TRUE(stereo.valid);
  EXPECT_EQ(stereo.samples, (std::vector<std::int16_t>{1, 2}));
}

TEST_F(SynthFileTest, FailedWriteReturnsMinusOneAndLeavesNothingBehind) {
  synth::WavWriter writer(22050, 1);
  EXPECT_EQ(writer.write("missing/a.wav", {1, 2}), -1);
  fs::create_directory("taken");
  EXPECT_EQ(writer.write("taken", {1, 2}), -1);
  EXPECT_TRUE(fs::is_directory("taken"));
  EXPECT_FALSE(fs::exists("taken.part"));
  ASSERT_EQ(writer.write("ok.wav", {5, -5}), 0);
  EXPECT_EQ(parseWav(readFile("ok.wav")).samples, (std::vector<std::int16_t>{5, -5}));
}

TEST(SynthTest, MixerWrapsOnlyWhenLoopingAndClampsInsteadOfWrapping) {
  synth::Mixer once(100, 4), looped(100, 4);
  looped.setLooping(true);
  once.add({1, 2, 3}, 2, 0.5f);
  looped.add({1, 2, 3}, 2, 0.5f);
  EXPECT_EQ(once.samples(), (std::vector<float>{0, 0, 0.5f, 1}));
  EXPECT_EQ(looped.samples(), (std::vector<float>{1.5f, 0, 0.5f, 1}));
  synth::Mixer loud(100, 2);
  loud.add({1.5f, -2.0f}, 0);
  EXPECT_EQ(loud.toPcm16(), (std::vector<std::int16_t>{32767, -32767}));
  synth::Mixer silent(100, 3);
  silent.normalize(0.8f);
  EXPECT_EQ(silent.samples(), (std::vector<float>{0, 0, 0}));
}

TEST(SynthTest, OscillatorsKeepTheirPitchAndSquaresHaveNoOffset) {
  // 441 Hz crosses zero twice per period: 882 times in a second.
  EXPECT_NEAR(signChanges(synth::Waveform::SINE, 441), 882, 2);
  EXPECT_NEAR(signChanges(synth::Waveform::TRIANGLE, 441), 882, 2);
  EXPECT_NEAR(signChanges(synth::Waveform::SQUARE, 441, 0.25), 882, 2);
  synth::Oscillator square(synth::Waveform::SQUARE, 22050);
  square.setFrequency(441);
  square.setPulseWidth(0.25);
  double sum = 0;
  for (int i = 0; i < 22050; i++) sum += square.next();
  EXPECT_NEAR(sum / 22050, 0.0, 0.01);
}

TEST(SynthTest, EnvelopeRisesFromAndFallsBackToSilenceWithoutJumps) {
  synth::Envelope env(0.01, 0.05, 0.5, 0.1);
  EXPECT_EQ(env.level(0.0, 0.2), 0.0f);
  EXPECT_NEAR(env.level(0.01, 0.2), 1.0f, 0.01);
  EXPECT_NEAR(env.level(0.2 - 1e-6, 0.2), env.level(0.2, 0.2), 1e-4);
  EXPECT_NEAR(env.level(0.3 - 1e-4, 0.2), 0.0f, 1e-3);
  EXPECT_EQ(env.level(env.length(0.2), 0.2), 0.0f);
}

TEST(SynthTest, SoundEffectsAreShortAndNeverClip) {
  for (const synth::Mixer& sound : {synth::closeDoorSound(), synth::collectCoinSound()}) {
    double seconds = static_cast<double>(sound.length()) / sound.sampleRate();
    EXPECT_GT(seconds, 0.2);
    EXPECT_LT(seconds, 1.0);
    EXPECT_GT(sound.peak(), 0.3f);
    EXPECT_LT(sound.peak(), 0.99f);
    EXPECT_NEAR(sound.samples().back(), 0.0f, 0.01f);
  }
}

TEST(SynthTest, MusicIsLongDeterministicAndLoopsWithoutAClick) {
  synth::Mixer music = synth::enterTheMazeMusic();
  const std::vector<float>& s = music.samples();
  int rate = music.sampleRate();
  EXPECT_GE(s.size(), static_cast<std::size_t>(20 * rate));
  EXPECT_LT(music.peak(), 0.99f);
  EXPECT_NEAR(s.front(), 0.0f, 0.01f);
  EXPECT_NEAR(s.back(), 0.0f, 0.01f);
  EXPECT_NEAR(s.back(), s.front(), 0.01f);
  // Something plays in every half second, so no stretch of the loop is dead.
  for (std::size_t at = 0; at + rate / 2 <= s.size(); at += rate / 2) {
    double energy = 0;
    for (int i = 0; i < rate / 2; i++) energy += s[at + i] * s[at + i];
    EXPECT_GT(std::sqrt(energy / (rate / 2)), 0.02) << "quiet at sample " << at;
  }
  EXPECT_EQ(synth::enterTheMazeMusic().samples(), s);
}

TEST(StagedAssetsTest, SoundsFontAndSpritesStandBesideTheProgram) {
  const char* stage_env = std::getenv("MAZE_STAGE_DIR");
  const char* source_env = std::getenv("VANTLE_SOURCE_DIR");
  ASSERT_NE(stage_env, nullptr);
  ASSERT_NE(source_env, nullptr);
  fs::path stage = stage_env;
  for (const char* name : {"close_door_1.wav", "collect_coin.wav", "enter_the_maze.wav"}) {
    WavInfo wav = parseWav(readFile((stage / "sounds" / name).string()));
    ASSERT_TRUE(wav.valid) << name;
    EXPECT_TRUE(wav.rate == 22050 || wav.rate == 44100) << name;
    // A full-scale sample means the mix was clamped: it clipped.
    int loudest = 0;
    for (std::int16_t sample : wav.samples) loudest = std::max(loudest, std::abs(int{sample}));
    EXPECT_LT(loudest, 32767) << name;
  }
  WavInfo music = parseWav(readFile((stage / "sounds" / "enter_the_maze.wav").string()));
  EXPECT_GE(music.samples.size() / music.channels, static_cast<std::size_t>(20 * music.rate));
  EXPECT_EQ(readFile((stage / "vt-font.ttf").string()).substr(0, 4), std::string("\0\1\0\0", 4));
  fs::path sprites = fs::path(source_env) / "sprites";
  if (fs::is_directory(sprites)) {
    for (const fs::directory_entry& entry : fs::directory_iterator(sprites)) {
      if (entry.path().extension() != ".txt") continue;
      EXPECT_EQ(readFile((stage / "sprites" / entry.path().filename()).string()),
                readFile(entry.path().string()))
          << entry.path().filename();
    }
  }
}
