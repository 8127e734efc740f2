#include "resources/web/AlClip.h"

#include <AL/al.h>
#include <AL/alc.h>

#include "resources/AudioDevice.h"

namespace vt {

// The page's one device, kept open, is the engine's audio device.
bool audioDeviceAvailable() { return AlClip::contextAvailable(); }

void setListenerVolume(float volume) { alListenerf(AL_GAIN, volume / 100); }

float getListenerVolume() {
  float gain = 1;
  alGetListenerf(AL_GAIN, &gain);
  return gain * 100;
}

bool AlClip::contextAvailable() {
  // One device and context for the page's whole life.
  static const bool available = [] {
    ALCdevice* p_device = alcOpenDevice(nullptr);
    if (!p_device) return false;
    ALCcontext* p_context = alcCreateContext(p_device, nullptr);
    if (!p_context || !alcMakeContextCurrent(p_context)) return false;
    return true;
  }();
  return available;
}

AlClip::AlClip() : buffer(0), source(0) {
  alGenSources(1, &source);
  alGenBuffers(1, &buffer);
}

AlClip::~AlClip() {
  unload();
  alDeleteSources(1, &source);
  alDeleteBuffers(1, &buffer);
}

void AlClip::unload() {
  alSourceStop(source);
  alSourcei(source, AL_BUFFER, 0);
}

bool AlClip::load(const WavSamples& wav) {
  unload();
  alGetError();
  ALenum format = wav.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
  alBufferData(buffer, format, wav.samples.data(),
               static_cast<ALsizei>(wav.samples.size() * sizeof wav.samples[0]),
               static_cast<ALsizei>(wav.sample_rate));
  if (alGetError() != AL_NO_ERROR) return false;
  alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
  return alGetError() == AL_NO_ERROR;
}

void AlClip::play(bool loop) {
  alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
  alSourcePlay(source);
}

void AlClip::pause() { alSourcePause(source); }

void AlClip::setVolume(float volume) { alSourcef(source, AL_GAIN, volume / 100); }

void AlClip::stop() { alSourceStop(source); }

SoundSource::Status AlClip::getStatus() const {
  ALint state = AL_STOPPED;
  alGetSourcei(source, AL_SOURCE_STATE, &state);
  if (state == AL_PLAYING) return SoundSource::Playing;
  if (state == AL_PAUSED) return SoundSource::Paused;
  return SoundSource::Stopped;
}

}  // namespace vt
