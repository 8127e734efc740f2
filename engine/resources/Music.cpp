#include "resources/Music.h"

#include <filesystem>

#include "core/LogManager.h"

namespace vt {

Music::Music() : label("[Undefined]") {}

int Music::loadMusic(std::string filename) {
  // SFML's decoders may read a directory forever: only files go to them.
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(filename, ignored)) return -1;
  return music.openFromFile(filename) ? 0 : -1;
}

void Music::setLabel(std::string new_label) { label = std::move(new_label); }

std::string Music::getLabel() const { return label; }

void Music::play(bool loop) {
  LogManager::getInstance().writeLog(5, "Music::play(): Playing music.");
  music.play();
  music.setLoop(loop);
}

void Music::stop() {
  LogManager::getInstance().writeLog(5, "Music::stop(): Stopping music.");
  music.stop();
}

sf::SoundSource::Status Music::getStatus() const { return music.getStatus(); }

}  // namespace vt
