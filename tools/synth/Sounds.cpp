#include "synth/Sounds.h"

#include <vector>

#include "synth/Instrument.h"

namespace synth {

namespace {
const double BEAT = 60.0 / 126.0;
const double EIGHTH = BEAT / 2.0;
const double SIXTEENTH = BEAT / 4.0;
const double BAR = 4.0 * BEAT;
const int BARS = 16;

// A melody note: MIDI number (0 rests) and length in eighths.
struct Note {
  int midi;
  int eighths;
};

// A chord by its bass note and whether its third is minor.
struct Chord {
  int root;
  bool minor;
};

const Chord AM{45, true}, F{41, false}, C{48, false}, G{43, false}, DM{38, true}, E{40, false};
const Chord CHORDS[8] = {AM, F, C, G, AM, DM, E, E};

// Eight bars each; the second line varies the first and ends on the
// dominant, so the loop falls back onto the opening A minor.
const std::vector<Note> THEME = {
    {76, 2}, {69, 1}, {71, 1}, {72, 2}, {71, 1}, {69, 1},  // Am
    {72, 2}, {77, 2}, {76, 1}, {74, 1}, {72, 2},           // F
    {76, 3}, {74, 1}, {72, 2}, {67, 2},                    // C
    {74, 2}, {71, 1}, {67, 1}, {74, 4},                    // G
    {76, 2}, {81, 2}, {79, 1}, {77, 1}, {76, 2},           // Am
    {77, 2}, {74, 1}, {76, 1}, {77, 2}, {81, 2},           // Dm
    {80, 2}, {77, 1}, {76, 1}, {74, 2}, {71, 2},           // E
    {68, 2}, {71, 2}, {76, 3}, {0, 1},                     // E
};
const std::vector<Note> VARIATION = {
    {76, 1}, {81, 1}, {76, 1}, {72, 1}, {71, 1}, {72, 1}, {69, 2},  // Am
    {72, 1}, {77, 1}, {81, 1}, {77, 1}, {76, 1}, {74, 1}, {72, 2},  // F
    {79, 3}, {76, 1}, {72, 2}, {76, 1}, {79, 1},                    // C
    {74, 1}, {79, 1}, {83, 2}, {81, 1}, {79, 1}, {74, 2},           // G
    {81, 1}, {79, 1}, {76, 1}, {72, 1}, {76, 2}, {81, 2},           // Am
    {77, 1}, {76, 1}, {74, 1}, {69, 1}, {74, 2}, {77, 2},           // Dm
    {76, 2}, {80, 2}, {83, 2}, {80, 2},                             // E
    {76, 2}, {74, 1}, {72, 1}, {71, 2}, {68, 1}, {0, 1},            // E
};

// Plays a line from start seconds; notes are detached a little.
void playLine(const Instrument& voice, Mixer& mixer, const std::vector<Note>& line, double start,
              int transpose) {
  double time = start;
  for (const Note& note : line) {
    double length = note.eighths * EIGHTH;
    if (note.midi != 0) {
      voice.play(mixer, time, Instrument::hertz(note.midi + transpose), length * 0.85);
    }
    time += length;
  }
}

// The chord's notes from the octave that starts at or above A3.
std::vector<int> arpeggioNotes(const Chord& chord) {
  int root = chord.root;
  while (root < 57) {
    root += 12;
  }
  return {root, root + (chord.minor ? 3 : 4), root + 7, root + 12};
}
}  // namespace

Mixer closeDoorSound() {
  Mixer mixer(SOUND_RATE, static_cast<std::size_t>(0.4 * SOUND_RATE));

  Instrument thud(Waveform::SINE, Envelope(0.002, 0.12, 0.0, 0.15), 0.9f);
  thud.setPitchDrop(2.5, 0.03);
  thud.play(mixer, 0.0, 55.0, 0.2);

  Instrument body(Waveform::NOISE, Envelope(0.001, 0.05, 0.0, 0.08), 5.0f);
  body.setFilter(Filter::LOW_PASS, 200.0);
  body.setSeed(7);
  body.play(mixer, 0.0, 0.0, 0.08);

  Instrument latch(Waveform::NOISE, Envelope(0.0005, 0.008, 0.0, 0.01), 0.35f);
  latch.setFilter(Filter::HIGH_PASS, 2500.0);
  latch.setSeed(11);
  latch.play(mixer, 0.09, 0.0, 0.01);

  Instrument knock(Waveform::TRIANGLE, Envelope(0.001, 0.03, 0.0, 0.03), 0.25f);
  knock.play(mixer, 0.09, 320.0, 0.03);

  Instrument rebound(Waveform::SINE, Envelope(0.002, 0.06, 0.0, 0.08), 0.3f);
  rebound.setPitchDrop(2.0, 0.02);
  rebound.play(mixer, 0.16, 70.0, 0.1);

  mixer.normalize(0.8f);
  return mixer;
}

Mixer collectCoinSound() {
  Mixer mixer(SOUND_RATE, static_cast<std::size_t>(0.32 * SOUND_RATE));

  Instrument first(Waveform::SQUARE, Envelope(0.002, 0.05, 0.6, 0.02), 0.5f);
  Instrument second(Waveform::SQUARE, Envelope(0.002, 0.1, 0.3, 0.16), 0.5f);
  Instrument shimmer(Waveform::SINE, Envelope(0.002, 0.12, 0.2, 0.16), 0.25f);
  first.play(mixer, 0.0, Instrument::hertz(83), 0.06);
  shimmer.play(mixer, 0.0, Instrument::hertz(95), 0.06);
  second.play(mixer, 0.07, Instrument::hertz(88), 0.08);
  shimmer.play(mixer, 0.07, Instrument::hertz(100), 0.08);

  mixer.normalize(0.7f);
  return mixer;
}

Mixer hornSound() {
  Mixer mixer(SOUND_RATE, static_cast<std::size_t>(0.2 * SOUND_RATE));
  Instrument horn(Waveform::SQUARE, Envelope(0.003, 0.04, 0.5, 0.04), 0.5f);
  horn.setPulseWidth(0.25);
  horn.play(mixer, 0.0, Instrument::hertz(67), 0.06);
  horn.play(mixer, 0.08, Instrument::hertz(74), 0.07);
  mixer.normalize(0.6f);
  return mixer;
}

// The music's rhythm section, kept for the whole piece: the noise voices
// run on from one bar to the next.
struct Rhythm {
  Rhythm()
      : bass(Waveform::SQUARE, Envelope(0.004, 0.15, 0.6, 0.04), 0.45f),
        arpeggio(Waveform::TRIANGLE, Envelope(0.002, 0.05, 0.3, 0.03), 0.12f),
        kick(Waveform::SINE, Envelope(0.002, 0.09, 0.0, 0.05), 0.6f),
        snare(Waveform::NOISE, Envelope(0.001, 0.05, 0.0, 0.08), 0.3f),
        snare_body(Waveform::TRIANGLE, Envelope(0.001, 0.04, 0.0, 0.04), 0.15f),
        hat(Waveform::NOISE, Envelope(0.001, 0.015, 0.0, 0.02), 0.12f) {
    bass.setFilter(Filter::LOW_PASS, 600.0);
    kick.setPitchDrop(3.0, 0.03);
    snare.setFilter(Filter::HIGH_PASS, 1000.0);
    snare.setSeed(3);
    snare_body.setPitchDrop(1.5, 0.02);
    hat.setFilter(Filter::HIGH_PASS, 6000.0);
    hat.setSeed(5);
  }

  /// Bass and arpeggio: walking quarters in the theme, driving eighths and
  /// sixteenths in the variation.
  void playHarmony(Mixer& mixer, int bar) {
    const Chord& chord = CHORDS[bar % 8];
    double start = bar * BAR;
    bool full = bar >= 8;
    const int walk[4] = {0, 7, 12, 7};
    const int drive[8] = {0, 0, 12, 0, 7, 0, 12, 7};
    for (int i = 0; i < (full ? 8 : 4); i++) {
      double step = full ? EIGHTH : BEAT;
      int midi = chord.root + (full ? drive[i] : walk[i]);
      bass.play(mixer, start + i * step, Instrument::hertz(midi), step * 0.75);
    }
    if (!full) return;
    // The last beat is left to the melody's pick-up.
    std::vector<int> notes = arpeggioNotes(chord);
    for (int i = 0; i < (bar == BARS - 1 ? 12 : 16); i++)
      arpeggio.play(mixer, start + i * SIXTEENTH, Instrument::hertz(notes[i % 4]), SIXTEENTH * 0.6);
  }

  /// Kick on one and three, snare on two and four from the fifth bar, and
  /// hats that double in the variation.
  void playDrums(Mixer& mixer, int bar) {
    double start = bar * BAR;
    bool full = bar >= 8;
    kick.play(mixer, start, 50.0, 0.12);
    kick.play(mixer, start + 2 * BEAT, 50.0, 0.12);
    if (bar >= 4) {
      for (int beat = 1; beat < 4; beat += 2) {
        snare.play(mixer, start + beat * BEAT, 0.0, 0.06);
        snare_body.play(mixer, start + beat * BEAT, 190.0, 0.05);
      }
    }
    for (int i = full ? 0 : 1; i < 8; i += full ? 1 : 2)
      hat.play(mixer, start + i * EIGHTH, 0.0, i % 2 == 1 ? 0.03 : 0.015);
  }

  Instrument bass, arpeggio, kick, snare, snare_body, hat;
};

Mixer enterTheMazeMusic() {
  Mixer mixer(SOUND_RATE, static_cast<std::size_t>(BARS * BAR * SOUND_RATE + 0.5));
  // Anything that rings past the end belongs to the start of the next round.
  mixer.setLooping(true);

  Instrument lead(Waveform::SQUARE, Envelope(0.004, 0.12, 0.55, 0.05), 0.28f);
  lead.setPulseWidth(0.25);
  lead.setFilter(Filter::LOW_PASS, 3500.0);
  Instrument undertone(Waveform::TRIANGLE, Envelope(0.006, 0.2, 0.6, 0.05), 0.2f);
  playLine(lead, mixer, THEME, 0.0, 0);
  playLine(lead, mixer, VARIATION, 8 * BAR, 0);
  playLine(undertone, mixer, VARIATION, 8 * BAR, -12);

  Rhythm rhythm;
  for (int bar = 0; bar < BARS; bar++) {
    rhythm.playHarmony(mixer, bar);
    rhythm.playDrums(mixer, bar);
  }

  mixer.normalize(0.85f);
  return mixer;
}

}  // namespace synth
