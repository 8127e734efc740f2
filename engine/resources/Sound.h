// A sound effect: samples decoded completely into memory and a player bound
// to them, found by its label. Sound effects live only in the resource
// manager, which hands them out as pointers.
#pragma once

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <string>

namespace vt {

class Sound {
 public:
  Sound();
  ~Sound();
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  /// Decodes an audio file and binds the player to it; -1 when it is no
  /// file or cannot be decoded, the samples loaded before staying in place.
  int loadSound(std::string filename);

  void setLabel(std::string new_label);
  std::string getLabel() const;

  /// Starts the sound, from the beginning if it was playing.
  void play(bool loop = false);
  void stop();

  /// Whether the player is stopped, paused or playing.
  sf::SoundSource::Status getStatus() const;

 private:
  sf::Sound sound;
  sf::SoundBuffer sound_buffer;
  std::string label;
};

}  // namespace vt
