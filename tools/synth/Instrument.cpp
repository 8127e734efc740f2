#include "synth/Instrument.h"

#include <algorithm>
#include <cmath>

#include "synth/Mixer.h"

namespace synth {

Instrument::Instrument(Waveform waveform, const Envelope& envelope, float gain)
    : waveform(waveform),
      envelope(envelope),
      gain(gain),
      pulse_width(0.5),
      filtered(false),
      filter_mode(Filter::LOW_PASS),
      cutoff(0.0),
      drop_ratio(1.0),
      drop_time(0.0),
      seed(1) {}

void Instrument::setPulseWidth(double width) { pulse_width = width; }

void Instrument::setFilter(Filter::Mode mode, double cutoff) {
  filtered = true;
  filter_mode = mode;
  this->cutoff = cutoff;
}

void Instrument::setPitchDrop(double ratio, double time) {
  drop_ratio = std::max(ratio, 0.0);
  drop_time = std::max(time, 0.0);
}

void Instrument::setSeed(std::uint32_t seed) { this->seed = seed; }

std::vector<float> Instrument::render(double frequency, double hold, int sample_rate) const {
  sample_rate = std::max(sample_rate, 1);
  Oscillator oscillator(waveform, sample_rate);
  oscillator.setPulseWidth(pulse_width);
  oscillator.setSeed(seed);
  oscillator.setFrequency(frequency);
  Filter filter(filter_mode, cutoff, sample_rate);
  std::size_t count = static_cast<std::size_t>(std::ceil(envelope.length(hold) * sample_rate));
  std::vector<float> note(count);
  for (std::size_t i = 0; i < count; i++) {
    double time = static_cast<double>(i) / sample_rate;
    if (drop_time > 0.0) {
      oscillator.setFrequency(frequency * (1.0 + (drop_ratio - 1.0) * std::exp(-time / drop_time)));
    }
    float sample = oscillator.next();
    if (filtered) {
      sample = filter.process(sample);
    }
    note[i] = sample * envelope.level(time, hold) * gain;
  }
  return note;
}

void Instrument::play(Mixer& mixer, double start, double frequency, double hold) const {
  mixer.add(render(frequency, hold, mixer.sampleRate()), mixer.offsetOf(start));
}

double Instrument::hertz(int midi_note) { return 440.0 * std::pow(2.0, (midi_note - 69) / 12.0); }

}  // namespace synth
