// Sound in the web build: a WAV file decoded whole and played through the
// browser's OpenAL.
#include "core/FileAccess.h"
#include "core/LogManager.h"
#include "resources/Sound.h"
#include "resources/Volume.h"
#include "resources/web/AlClip.h"

namespace vt {

Sound::Sound() : silent(false), silent_playing(false), volume(100), label("[Undefined]") {}

Sound::~Sound() = default;

int Sound::loadSound(std::string filename) {
  std::string bytes;
  WavSamples wav;
  if (!readFile(filename, MAX_SOUND_BYTES, bytes).empty() || !decodeWav(bytes, wav).empty())
    return -1;
  if (!AlClip::contextAvailable()) {
    silent = true;
    return 0;
  }
  if (!p_clip) p_clip = std::make_unique<AlClip>();
  p_clip->setVolume(volume);
  return p_clip->load(wav) ? 0 : -1;
}

void Sound::setLabel(std::string new_label) { label = std::move(new_label); }

std::string Sound::getLabel() const { return label; }

void Sound::setVolume(float new_volume) {
  volume = clampVolume(new_volume);
  if (p_clip) p_clip->setVolume(volume);
}

float Sound::getVolume() const { return volume; }

void Sound::play(bool loop) {
  LogManager::getInstance().writeLog(5, "Sound::play(): Playing sound.");
  silent_playing = silent;
  if (p_clip) p_clip->play(loop);
}

void Sound::stop() {
  silent_playing = false;
  if (p_clip) p_clip->stop();
}

SoundSource::Status Sound::getStatus() const {
  if (p_clip) return p_clip->getStatus();
  return silent_playing ? SoundSource::Playing : SoundSource::Stopped;
}

}  // namespace vt
