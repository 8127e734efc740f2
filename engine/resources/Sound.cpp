#include "resources/Sound.h"

#include <filesystem>

#include "core/LogManager.h"

namespace vt {

Sound::Sound() : label("[Undefined]") {}

Sound::~Sound() {
  // The player is destroyed after the buffer it plays: detach it first.
  sound.resetBuffer();
}

int Sound::loadSound(std::string filename) {
  // SFML's decoders may read a directory forever: only files go to them.
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(filename, ignored)) return -1;
  if (!sound_buffer.loadFromFile(filename)) return -1;
  sound.setBuffer(sound_buffer);
  return 0;
}

void Sound::setLabel(std::string new_label) { label = std::move(new_label); }

std::string Sound::getLabel() const { return label; }

void Sound::play(bool loop) {
  LogManager::getInstance().writeLog(5, "Sound::play(): Playing sound.");
  sound.play();
  sound.setLoop(loop);
}

void Sound::stop() { sound.stop(); }

sf::SoundSource::Status Sound::getStatus() const { return sound.getStatus(); }

}  // namespace vt
