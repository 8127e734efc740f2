// Sound effects and music: each loaded once under a label at set-up, then
// found by that label wherever it is played.
#include "vantle.h"

void loadAudio() {
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  resources.loadSound("sounds/coin.wav", "coin");    // decoded into memory
  resources.loadMusic("sounds/theme.ogg", "theme");  // streamed while it plays
}

void startMusic() {
  vt::Music* p_music = vt::ResourceManager::getInstance().getMusic("theme");
  if (p_music) p_music->play();  // repeats until stopped
}

void playCoinSound() {
  // Null when the file could not be loaded: the game goes on without it.
  vt::Sound* p_sound = vt::ResourceManager::getInstance().getSound("coin");
  if (p_sound) p_sound->play();
}

void stopMusic() {
  vt::Music* p_music = vt::ResourceManager::getInstance().getMusic("theme");
  if (p_music) p_music->stop();
}

void quieten() {
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  vt::Music* p_music = resources.getMusic("theme");
  if (p_music) p_music->setVolume(40);  // 0 (silent) to 100 (as recorded)
  resources.setMasterVolume(0);         // every sound and track: muted
}
