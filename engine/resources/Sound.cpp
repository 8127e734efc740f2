#include "resources/Sound.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <vector>

#include "core/LogManager.h"
#include "resources/AudioDevice.h"
#include "resources/FileStream.h"
#include "resources/Volume.h"

namespace vt {

namespace {
// Whether every sample the file announces can be read, as loading it into
// a buffer would require.
bool decodesWhole(sf::InputStream& stream) {
  sf::InputSoundFile file;
  if (!file.openFromStream(stream)) return false;
  std::vector<sf::Int16> chunk(4096);
  sf::Uint64 read = 0, got = 0;
  do {
    got = file.read(chunk.data(), chunk.size());
    read += got;
  } while (got > 0 && read < file.getSampleCount());
  return read == file.getSampleCount();
}
}  // namespace

Sound::Sound() : silent(false), silent_playing(false), volume(100), label("[Undefined]") {}

Sound::~Sound() {
  // The player goes before the buffer it plays.
  p_sound.reset();
  p_sound_buffer.reset();
}

int Sound::loadSound(std::string filename) {
  // SFML's decoders may read a directory or a pipe forever: only files go
  // to them.
  FileStream stream;
  if (!stream.open(filename, MAX_SOUND_BYTES).empty()) return -1;
  if (!audioDeviceAvailable()) {
    if (!decodesWhole(stream)) return -1;
    silent = true;
    return 0;
  }
  if (!p_sound_buffer) p_sound_buffer = std::make_unique<sf::SoundBuffer>();
  if (!p_sound_buffer->loadFromStream(stream)) return -1;
  if (!p_sound) p_sound = std::make_unique<sf::Sound>();
  p_sound->setBuffer(*p_sound_buffer);
  p_sound->setVolume(volume);
  return 0;
}

void Sound::setLabel(std::string new_label) { label = std::move(new_label); }

std::string Sound::getLabel() const { return label; }

void Sound::setVolume(float new_volume) {
  volume = clampVolume(new_volume);
  if (p_sound) p_sound->setVolume(volume);
}

float Sound::getVolume() const { return p_sound ? p_sound->getVolume() : volume; }

void Sound::play(bool loop) {
  LogManager::getInstance().writeLog(5, "Sound::play(): Playing sound.");
  silent_playing = silent;
  if (!p_sound) return;
  p_sound->play();
  p_sound->setLoop(loop);
}

void Sound::stop() {
  silent_playing = false;
  if (p_sound) p_sound->stop();
}

sf::SoundSource::Status Sound::getStatus() const {
  if (p_sound) return p_sound->getStatus();
  return silent_playing ? sf::SoundSource::Playing : sf::SoundSource::Stopped;
}

}  // namespace vt
