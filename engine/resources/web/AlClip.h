// Samples in an OpenAL buffer and the source that plays them: the web
// build's sound effects and music tracks, played through the browser's Web
// Audio. The browser keeps audio silent until the page has had a click or a
// key; sounds started before then are heard from that moment. Internal to
// the web build's Sound and Music.
#pragma once

#include "resources/SoundSource.h"
#include "resources/WavFile.h"

namespace vt {

class AlClip {
 public:
  /// Whether an OpenAL context could be had (made at the first call);
  /// without one the engine plays silently.
  static bool contextAvailable();

  AlClip();
  ~AlClip();
  AlClip(const AlClip&) = delete;
  AlClip& operator=(const AlClip&) = delete;

  /// Replaces the samples, stopping what played; false when OpenAL refuses.
  bool load(const WavSamples& wav);

  /// Stops and drops the samples: nothing plays until the next load.
  void unload();

  /// Plays from the start, or resumes where pause() left it.
  void play(bool loop);
  void pause();
  void stop();
  /// Loudness from 0 to 100.
  void setVolume(float volume);
  SoundSource::Status getStatus() const;

 private:
  unsigned buffer;
  unsigned source;
};

}  // namespace vt
