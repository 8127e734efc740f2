// A music track streamed from its file while it plays, found by its label.
// Tracks live only in the resource manager, which hands them out as
// pointers. The SFML stream is made at the first load, and only when there
// is an audio device: without one the file is only opened to be checked,
// and playing makes no sound. The web build reads a WAV track whole and
// plays it through the browser's OpenAL instead.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "resources/SoundSource.h"

namespace sf {
class Music;
}  // namespace sf

namespace vt {

class AlClip;
class FileStream;

/// The most bytes a music track's file may hold: an hour and more of sound.
const std::uint64_t MAX_MUSIC_BYTES = 256 << 20;

class Music {
 public:
  Music();
  ~Music();
  Music(const Music&) = delete;
  Music& operator=(const Music&) = delete;

  /// Opens an audio file for streaming; -1 when it is no regular file or
  /// holds more than MAX_MUSIC_BYTES (nothing changes), or cannot be opened
  /// (which also closes the track opened before).
  int loadMusic(std::string filename);

  void setLabel(std::string new_label);
  std::string getLabel() const;

  /// Loudness from 0 (silent) to 100 (as recorded, the default); a value
  /// outside is taken as the nearer end. Kept across loads.
  void setVolume(float new_volume);
  float getVolume() const;

  /// Starts the track, or resumes it where pause() left it; by default it
  /// repeats until stopped.
  void play(bool loop = true);
  /// Holds a playing track where it is, until play() resumes it.
  void pause();
  void stop();

  /// Whether the stream is stopped, paused or playing; a silent track plays
  /// from play() until pause() or stop().
  SoundSource::Status getStatus() const;

 private:
#if VANTLE_WEB
  std::unique_ptr<AlClip> p_clip;
#else
  std::unique_ptr<FileStream> p_file;  // read as the track plays
  std::unique_ptr<sf::Music> p_music;
#endif
  bool silent;  // opened without an audio device
  SoundSource::Status silent_status;
  float volume;
  std::string label;
};

}  // namespace vt
