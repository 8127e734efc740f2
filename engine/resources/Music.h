// A music track streamed from its file while it plays, found by its label.
// Tracks live only in the resource manager, which hands them out as
// pointers.
#pragma once

#include <SFML/Audio/Music.hpp>
#include <string>

namespace vt {

class Music {
 public:
  Music();
  Music(const Music&) = delete;
  Music& operator=(const Music&) = delete;

  /// Opens an audio file for streaming; -1 when it is no file (nothing
  /// changes) or cannot be opened (which also closes the track opened before).
  int loadMusic(std::string filename);

  void setLabel(std::string new_label);
  std::string getLabel() const;

  /// Starts the track; by default it repeats until stopped.
  void play(bool loop = true);
  void stop();

  /// Whether the stream is stopped, paused or playing.
  sf::SoundSource::Status getStatus() const;

 private:
  sf::Music music;
  std::string label;
};

}  // namespace vt
