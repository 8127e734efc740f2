// The game's sound effects and its music, and the starter project's one
// sound, composed from the synthesiser's voices. Nothing is random or
// time-based, so every build writes the same files.
#pragma once

#include "synth/Mixer.h"

namespace synth {

/// Sample rate of every game sound: plenty for square-wave voices, and
/// half the size of CD rate.
constexpr int SOUND_RATE = 22050;

/// A door falling shut: a low thud with a latch click, 0.4 s.
Mixer closeDoorSound();

/// A key picked up: a bright two-note chime, about 0.3 s.
Mixer collectCoinSound();

/// The starter project's horn: a short rising two-tone beep, 0.2 s.
Mixer hornSound();

/// The background music: 16 bars in A minor at 126 beats a minute (about
/// 30 s), silent at both ends so that it loops without a seam.
Mixer enterTheMazeMusic();

}  // namespace synth
