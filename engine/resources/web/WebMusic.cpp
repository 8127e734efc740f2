// Music in the web build: a WAV track read whole (the page's files are in
// memory anyway) and played through the browser's OpenAL.
#include "core/FileAccess.h"
#include "core/LogManager.h"
#include "resources/Music.h"
#include "resources/Volume.h"
#include "resources/web/AlClip.h"

namespace vt {

Music::Music() : silent(false), silent_status(SoundSource::Stopped), volume(100), label("[Undefined]") {}

Music::~Music() = default;

int Music::loadMusic(std::string filename) {
  std::string bytes;
  WavSamples wav;
  if (!readFile(filename, MAX_MUSIC_BYTES, bytes).empty()) return -1;
  bool decoded = decodeWav(bytes, wav).empty();
  if (!AlClip::contextAvailable()) {
    silent = decoded;
    return decoded ? 0 : -1;
  }
  // As on the desktop, a file that cannot be played closes the track before.
  if (!p_clip) p_clip = std::make_unique<AlClip>();
  p_clip->setVolume(volume);
  if (decoded && p_clip->load(wav)) return 0;
  p_clip->unload();
  return -1;
}

void Music::setLabel(std::string new_label) { label = std::move(new_label); }

std::string Music::getLabel() const { return label; }

void Music::setVolume(float new_volume) {
  volume = clampVolume(new_volume);
  if (p_clip) p_clip->setVolume(volume);
}

float Music::getVolume() const { return volume; }

void Music::play(bool loop) {
  LogManager::getInstance().writeLog(5, "Music::play(): Playing music.");
  silent_status = silent ? SoundSource::Playing : SoundSource::Stopped;
  if (p_clip) p_clip->play(loop);
}

void Music::pause() {
  LogManager::getInstance().writeLog(5, "Music::pause(): Pausing music.");
  if (silent_status == SoundSource::Playing) silent_status = SoundSource::Paused;
  if (p_clip) p_clip->pause();
}

void Music::stop() {
  LogManager::getInstance().writeLog(5, "Music::stop(): Stopping music.");
  silent_status = SoundSource::Stopped;
  if (p_clip) p_clip->stop();
}

SoundSource::Status Music::getStatus() const {
  if (p_clip) return p_clip->getStatus();
  return silent_status;
}

}  // namespace vt
