#include "synth/Mixer.h"

#include <algorithm>
#include <cmath>

namespace synth {

Mixer::Mixer(int sample_rate, std::size_t length)
    : sample_rate(std::max(sample_rate, 1)), looping(false), buffer(length, 0.0f) {}

void Mixer::setLooping(bool looping) { this->looping = looping; }

void Mixer::add(const std::vector<float>& sound, std::size_t offset, float gain) {
  std::size_t size = buffer.size();
  if (size == 0) {
    return;
  }
  for (std::size_t i = 0; i < sound.size(); i++) {
    std::size_t at = offset + i;
    if (at >= size) {
      if (!looping) {
        return;
      }
      at %= size;
    }
    buffer[at] += sound[i] * gain;
  }
}

std::size_t Mixer::offsetOf(double seconds) const {
  return seconds <= 0.0 ? 0 : static_cast<std::size_t>(std::lround(seconds * sample_rate));
}

float Mixer::peak() const {
  float largest = 0.0f;
  for (float sample : buffer) {
    largest = std::max(largest, std::fabs(sample));
  }
  return largest;
}

void Mixer::normalize(float target) {
  float largest = peak();
  if (largest <= 0.0f) {
    return;
  }
  float scale = target / largest;
  for (float& sample : buffer) {
    sample *= scale;
  }
}

std::vector<std::int16_t> Mixer::toPcm16() const {
  std::vector<std::int16_t> pcm;
  pcm.reserve(buffer.size());
  for (float sample : buffer) {
    float clamped = std::clamp(sample, -1.0f, 1.0f);
    pcm.push_back(static_cast<std::int16_t>(std::lround(clamped * 32767.0f)));
  }
  return pcm;
}

int Mixer::sampleRate() const { return sample_rate; }

std::size_t Mixer::length() const { return buffer.size(); }

const std::vector<float>& Mixer::samples() const { return buffer; }

}  // namespace synth
