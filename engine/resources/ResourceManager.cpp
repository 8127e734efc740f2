#include "resources/ResourceManager.h"

#include <utility>

#include "core/Config.h"
#include "core/FileAccess.h"
#include "core/LogManager.h"
#include "resources/AudioDevice.h"
#include "resources/SpriteFile.h"
#include "resources/Volume.h"

namespace vt {

ResourceManager::ResourceManager()
    : sprite_count(0), sound_count(0), music_count(0), master_volume(MAX_VOLUME) {
  setType("ResourceManager");
}

ResourceManager::~ResourceManager() = default;

ResourceManager& ResourceManager::getInstance() {
  static ResourceManager instance;
  return instance;
}

int ResourceManager::startUp() {
  sprite_count = 0;
  sound_count = 0;
  music_count = 0;
  Manager::startUp();
  LogManager& log = LogManager::getInstance();
  if (!audioDeviceAvailable())
    log.writeLog("ResourceManager::startUp(): No audio device can be opened; sound is off.");
  setMasterVolume(static_cast<float>(Config::getInstance().getMasterVolume()));
  log.writeLog(1, "ResourceManager::startUp(): successfully started.");
  return 0;
}

void ResourceManager::shutDown() {
  for (int i = 0; i < sprite_count; i++) p_sprite[i].reset();
  sprite_count = 0;
  for (int i = 0; i < sound_count; i++) sound[i].stop();
  for (int i = 0; i < music_count; i++) music[i].stop();
  Manager::shutDown();
  LogManager::getInstance().writeLog(1, "ResourceManager::shutDown(): successfully stopped.");
}

int ResourceManager::loadSprite(std::string filename, std::string label) {
  LogManager& log = LogManager::getInstance();
  if (!isStarted()) {
    log.writeLog("%s not started!", getType().c_str());
    return -1;
  }
  if (sprite_count == MAX_SPRITES) {
    log.writeLog("ResourceManager::loadSprite(): Unable to add more Sprites (max is %d)\n",
                 MAX_SPRITES);
    return -1;
  }

  // Directories, devices and pipes are refused: they have no end to read to.
  ReadFile file;
  if (!file.open(filename, MAX_SPRITE_BYTES).empty()) {
    log.writeLog("ResourceManager::loadSprite(): Cannot open file '%s'", filename.c_str());
    return -1;
  }
  log.writeLog(1, "ResourceManager::loadSprite(): Opened file '%s'", filename.c_str());
  std::unique_ptr<Sprite> p_new = readSpriteFile(file.stream(), filename);
  if (file.overCap())
    log.writeLog("ResourceManager::loadSprite(): Only the first %llu bytes of '%s' are read.",
                 static_cast<unsigned long long>(MAX_SPRITE_BYTES), filename.c_str());
  if (!p_new) return -1;
  p_new->setLabel(label);
  p_sprite[sprite_count] = std::move(p_new);
  sprite_count++;
  log.writeLog(1, "ResourceManager::loadSprite(): Sprite '%s' successfully loaded", label.c_str());
  return 0;
}

Sprite* ResourceManager::getSprite(std::string label) const {
  for (int i = 0; i < sprite_count; i++)
    if (p_sprite[i]->getLabel() == label) return p_sprite[i].get();
  return nullptr;
}

int ResourceManager::loadSound(std::string filename, std::string label) {
  LogManager& log = LogManager::getInstance();
  if (!isStarted()) {
    log.writeLog("%s not started!", getType().c_str());
    return -1;
  }
  if (sound_count == MAX_SOUNDS) {
    log.writeLog("ResourceManager::loadSound(): Unable to add more sounds (max is %d)", MAX_SOUNDS);
    return -1;
  }
  Sound& slot = sound[sound_count];
  if (slot.loadSound(filename) != 0) {
    log.writeLog("ResourceManager::loadSound(): Cannot load sound from file '%s'",
                 filename.c_str());
    return -1;
  }
  slot.setLabel(label);
  log.writeLog(1, "ResourceManager::loadSound(): Sound '%s' successfully loaded",
               slot.getLabel().c_str());
  sound_count++;
  return 0;
}

Sound* ResourceManager::getSound(std::string label) {
  LogManager& log = LogManager::getInstance();
  log.writeLog(5, "ResourceManager::getSound(): Looking for sound '%s'", label.c_str());
  for (int i = 0; i < sound_count; i++)
    if (sound[i].getLabel() == label) return &sound[i];
  log.writeLog("ResourceManager::getSound(): Sound '%s' not found", label.c_str());
  return nullptr;
}

int ResourceManager::loadMusic(std::string filename, std::string label) {
  LogManager& log = LogManager::getInstance();
  if (!isStarted()) {
    log.writeLog("%s not started!", getType().c_str());
    return -1;
  }
  if (music_count == MAX_MUSICS) {
    log.writeLog("ResourceManager::loadMusic(): Unable to add more musics (max is %d)", MAX_MUSICS);
    return -1;
  }
  if (label.empty()) {
    log.writeLog("ResourceManager::loadMusic(): Must provide label for music");
    return -1;
  }
  Music& slot = music[music_count];
  if (slot.loadMusic(filename) != 0) {
    log.writeLog("ResourceManager::loadmusic(): Cannot load music from file '%s'",
                 filename.c_str());
    return -1;
  }
  slot.setLabel(label);
  log.writeLog(1, "ResourceManager::loadMusic(): Music '%s' successfully loaded",
               slot.getLabel().c_str());
  music_count++;
  return 0;
}

Music* ResourceManager::getMusic(std::string label) {
  LogManager& log = LogManager::getInstance();
  log.writeLog(5, "ResourceManager::getMusic(): Looking for music '%s'", label.c_str());
  for (int i = 0; i < music_count; i++)
    if (music[i].getLabel() == label) return &music[i];
  log.writeLog("ResourceManager::getMusic(): Music '%s' not found", label.c_str());
  return nullptr;
}

void ResourceManager::setMasterVolume(float volume) {
  master_volume = clampVolume(volume);
  if (audioDeviceAvailable()) setListenerVolume(master_volume);
}

float ResourceManager::getMasterVolume() const {
  return audioDeviceAvailable() ? getListenerVolume() : master_volume;
}

}  // namespace vt
