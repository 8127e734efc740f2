// Holds the sprites, sounds and music a game loads once at set-up, each
// found again by its exact label; with duplicate labels the first one loaded
// wins. Sprites are read from the engine's plain-text sprite files, audio
// from any file SFML decodes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/Manager.h"
#include "resources/Music.h"
#include "resources/Sound.h"
#include "resources/Sprite.h"

namespace vt {

const int MAX_SPRITES = 1000;
const int MAX_SOUNDS = 128;
const int MAX_MUSICS = 128;
/// The most bytes of a sprite file that are read: pictures far beyond any
/// window.
const std::uint64_t MAX_SPRITE_BYTES = 16 << 20;

class ResourceManager : public Manager {
 public:
  static ResourceManager& getInstance();

  ~ResourceManager() override;

  /// Empties the sprite, sound and music tables and sets the configured
  /// master volume; always 0.
  int startUp() override;

  /// Deletes every sprite and stops all audio. Sounds and music stay
  /// loaded and findable until the next start-up.
  void shutDown() override;

  /// Reads a sprite file and keeps the sprite under label; 0 on success,
  /// -1 after logging why the file was refused.
  int loadSprite(std::string filename, std::string label);

  /// The first sprite loaded under label, or null.
  Sprite* getSprite(std::string label) const;

  /// Decodes a sound effect into the next free slot; 0 or -1.
  int loadSound(std::string filename, std::string label);

  /// The first sound loaded under label, or null.
  Sound* getSound(std::string label);

  /// Opens a music track for streaming in the next free slot; 0 or -1.
  /// Tracks need a non-empty label.
  int loadMusic(std::string filename, std::string label);

  /// The first track loaded under label, or null.
  Music* getMusic(std::string label);

  /// Loudness of every sound and track together, from 0 (silent) to 100;
  /// a value outside is taken as the nearer end. Without an audio device
  /// it is only kept.
  void setMasterVolume(float volume);
  float getMasterVolume() const;

 private:
  ResourceManager();

  std::unique_ptr<Sprite> p_sprite[MAX_SPRITES];
  int sprite_count;
  Sound sound[MAX_SOUNDS];
  int sound_count;
  Music music[MAX_MUSICS];
  int music_count;
  float master_volume;
};

}  // namespace vt
