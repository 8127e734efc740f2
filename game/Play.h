// How a game goes on from level to level, and what the player is told on
// the way: a level won at its door, the time running out, a restart and the
// pause, each with its message below the maze (the pause's over it).
#pragma once

/// Steps a passing message stays: about two seconds.
const int MESSAGE_STEPS = 60;

/// Plays a sound effect, when the game has it.
void playSound(const char* label);

/// The door was reached with every key, seconds into the level: on to the
/// next level with a word on the time it took, and a victory message with
/// the run's total on the final screen (for a single maze of the player's,
/// by its name, in place of the word). A built-in level's time may be its
/// best.
void winLevel(int seconds);

/// Back to level 1, with "Time's up!"; the run's total starts again.
void timeUp();

/// The current level built again with its full time; a paused game resumes.
void restartLevel();

/// Pauses a running game or resumes a paused one. While paused the
/// countdowns and the hero stand still, the music pauses and a "Paused"
/// box shows.
void togglePause();
bool isPaused();

/// Mutes every sound and the music, or brings back the volume they had.
void toggleMute();
bool isMuted();

/// Whether the game spends the step paused. The first call of each step
/// counts it, so every countdown asks in its step.
bool pausedAt(int step_count);

/// The step count less the steps spent paused: the countdowns go by it,
/// so a pause holds them where they were.
int playStep(int step_count);

/// Seconds of the levels won since the game last went back to level 1.
int runSeconds();
