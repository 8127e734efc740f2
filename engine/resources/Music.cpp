#include "resources/Music.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Audio/Music.hpp>

#include "core/LogManager.h"
#include "resources/AudioDevice.h"
#include "resources/FileStream.h"
#include "resources/Volume.h"

namespace vt {

Music::Music()
    : silent(false), silent_status(sf::SoundSource::Stopped), volume(100), label("[Undefined]") {}

Music::~Music() = default;

int Music::loadMusic(std::string filename) {
  // SFML's decoders may read a directory or a pipe forever: only files go
  // to them.
  auto p_new_file = std::make_unique<FileStream>();
  if (!p_new_file->open(filename, MAX_MUSIC_BYTES).empty()) return -1;
  if (!audioDeviceAvailable()) {
    sf::InputSoundFile file;
    silent = file.openFromStream(*p_new_file);
    return silent ? 0 : -1;
  }
  if (!p_music) p_music = std::make_unique<sf::Music>();
  p_music->setVolume(volume);
  // The track before stops reading its file here; the new one reads on.
  bool opened = p_music->openFromStream(*p_new_file);
  p_file = std::move(p_new_file);
  return opened ? 0 : -1;
}

void Music::setLabel(std::string new_label) { label = std::move(new_label); }

std::string Music::getLabel() const { return label; }

void Music::setVolume(float new_volume) {
  volume = clampVolume(new_volume);
  if (p_music) p_music->setVolume(volume);
}

float Music::getVolume() const { return p_music ? p_music->getVolume() : volume; }

void Music::play(bool loop) {
  LogManager::getInstance().writeLog(5, "Music::play(): Playing music.");
  silent_status = silent ? sf::SoundSource::Playing : sf::SoundSource::Stopped;
  if (!p_music) return;
  p_music->play();
  p_music->setLoop(loop);
}

void Music::pause() {
  LogManager::getInstance().writeLog(5, "Music::pause(): Pausing music.");
  if (silent_status == sf::SoundSource::Playing) silent_status = sf::SoundSource::Paused;
  if (p_music) p_music->pause();
}

void Music::stop() {
  LogManager::getInstance().writeLog(5, "Music::stop(): Stopping music.");
  silent_status = sf::SoundSource::Stopped;
  if (p_music) p_music->stop();
}

sf::SoundSource::Status Music::getStatus() const {
  if (p_music) return p_music->getStatus();
  return silent_status;
}

}  // namespace vt
