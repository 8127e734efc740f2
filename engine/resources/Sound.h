// A sound effect: samples decoded completely into memory and a player bound
// to them, found by its label. Sound effects live only in the resource
// manager, which hands them out as pointers. The SFML objects are made at
// the first load, and only when there is an audio device: without one the
// samples are decoded to be checked, and playing makes no sound. The web
// build plays WAV files through the browser's OpenAL instead of SFML.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "resources/SoundSource.h"

namespace sf {
class Sound;
class SoundBuffer;
}  // namespace sf

namespace vt {

class AlClip;

/// The most bytes a sound effect's file may hold: minutes of sound.
const std::uint64_t MAX_SOUND_BYTES = 64 << 20;

class Sound {
 public:
  Sound();
  ~Sound();
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  /// Decodes an audio file and binds the player to it; -1 when it is no
  /// regular file, holds more than MAX_SOUND_BYTES or cannot be decoded,
  /// the samples loaded before staying in place.
  int loadSound(std::string filename);

  void setLabel(std::string new_label);
  std::string getLabel() const;

  /// Loudness from 0 (silent) to 100 (as recorded, the default); a value
  /// outside is taken as the nearer end. Kept across loads.
  void setVolume(float new_volume);
  float getVolume() const;

  /// Starts the sound, from the beginning if it was playing.
  void play(bool loop = false);
  void stop();

  /// Whether the player is stopped, paused or playing; a silent sound plays
  /// from play() until stop().
  SoundSource::Status getStatus() const;

 private:
#if VANTLE_WEB
  std::unique_ptr<AlClip> p_clip;
#else
  std::unique_ptr<sf::SoundBuffer> p_sound_buffer;
  std::unique_ptr<sf::Sound> p_sound;
#endif
  bool silent;  // loaded without an audio device
  bool silent_playing;
  float volume;
  std::string label;
};

}  // namespace vt
