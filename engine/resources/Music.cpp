#include "resources/Music.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Audio/Music.hpp>
#include <filesystem>

#include "core/LogManager.h"
#include "resources/AudioDevice.h"
#include "resources/Volume.h"

namespace vt {

Music::Music()
    : silent(false), silent_status(sf::SoundSource::Stopped), volume(100), label("[Undefined]") {}

Music::~Music() = default;

int Music::loadMusic(std::string filename) {
  // SFML's decoders may read a directory forever: only files go to them.
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(filename, ignored)) return -1;
  if (!audioDeviceAvailable()) {
    sf::InputSoundFile file;
    silent = file.openFromFile(filename);
    return silent ? 0 : -1;
  }
  if (!p_music) p_music = std::make_unique<sf::Music>();
  p_music->setVolume(volume);
  return p_music->openFromFile(filename) ? 0 : -1;
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
