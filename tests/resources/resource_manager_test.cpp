#include <gtest/gtest.h>

#include <SFML/Audio/SoundBuffer.hpp>
#include <filesystem>

#include "TestSupport.h"
#include "vantle.h"

// Needs ALSOFT_DRIVERS=null. The manager's 256 players take every OpenAL
// source, so no other sf::Sound may be made here.

using namespace vt_test;
using Lines = std::vector<std::string>;

namespace {
class ResourceTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    // One second of tone: still playing when a test looks.
    std::vector<sf::Int16> samples(44100);
    for (size_t i = 0; i < samples.size(); i++) samples[i] = (i % 100) * 20;
    sf::SoundBuffer buffer;
    ASSERT_TRUE(buffer.loadFromSamples(samples.data(), samples.size(), 1, 44100));
    ASSERT_TRUE(buffer.saveToFile("tone.wav"));
    std::filesystem::create_directory("folder");
    startPlainLog();
    ASSERT_EQ(resources.startUp(), 0);
  }

  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
};
}  // namespace

TEST_F(ResourceTest, SpritesAreFoundByTheFirstOfTheirLabelUntilShutDown) {
  for (std::string color : {"red", "blue"})
    writeFile(color + ".txt", "frames 1\nwidth 1\nheight 1\ncolor " + color + "\nx\nend\neof\n");
  writeFile("bad.txt", "frames 0\n");
  for (const char* file : {"folder", "missing.txt", "bad.txt"})
    EXPECT_EQ(resources.loadSprite(file, "s"), -1) << file;
  ASSERT_EQ(resources.loadSprite("red.txt", "twin"), 0);
  ASSERT_EQ(resources.loadSprite("blue.txt", "twin"), 0);
  EXPECT_EQ(resources.getSprite("twin")->getColor(), vt::RED);
  EXPECT_EQ(resources.getSprite("twin")->getLabel(), "twin");
  EXPECT_EQ(resources.getSprite("Twin"), nullptr);
  EXPECT_EQ(resources.getSprite("s"), nullptr);
  for (int i = 2; i < vt::MAX_SPRITES; i++) ASSERT_EQ(resources.loadSprite("red.txt", "r"), 0);
  EXPECT_EQ(resources.loadSprite("red.txt", "extra"), -1);
  resources.shutDown();
  EXPECT_EQ(resources.getSprite("twin"), nullptr);
  EXPECT_EQ(resources.loadSprite("red.txt", "late"), -1);
  EXPECT_EQ(readLines("vantle.log"),
            (Lines{"ResourceManager::loadSprite(): Cannot open file 'folder'",
                   "ResourceManager::loadSprite(): Cannot open file 'missing.txt'",
                   "ResourceManager::loadSprite(): Unable to add more Sprites (max is 1000)", "",
                   "ResourceManager not started!"}));
}

// SFML's decoders would read a folder forever; a file cut short in its
// samples is refused as a sound and streamed as far as it goes as music.
TEST_F(ResourceTest, FailedAudioLoadsLeaveTheirSlotAndLookupsLogTheirSearch) {
  writeFile("cut.wav", readFile("tone.wav").substr(0, 1000));
  for (const char* file : {"missing.wav", "folder", "cut.wav"})
    EXPECT_EQ(resources.loadSound(file, "key"), -1) << file;
  EXPECT_EQ(resources.loadMusic("folder", "song") + resources.loadMusic("tone.wav", ""), -2);
  EXPECT_EQ(resources.loadSound("tone.wav", "key"), 0);
  EXPECT_EQ(resources.loadMusic("cut.wav", "song"), 0);
  vt::LogManager::getInstance().setLogLevel(5);
  EXPECT_EQ(resources.getSound("key")->getLabel(), "key");
  EXPECT_EQ(resources.getMusic("Song"), nullptr);
  EXPECT_EQ(readLines("vantle.log"),
            (Lines{"ResourceManager::loadSound(): Cannot load sound from file 'missing.wav'",
                   "ResourceManager::loadSound(): Cannot load sound from file 'folder'",
                   "ResourceManager::loadSound(): Cannot load sound from file 'cut.wav'",
                   "ResourceManager::loadmusic(): Cannot load music from file 'folder'",
                   "ResourceManager::loadMusic(): Must provide label for music",
                   "ResourceManager::getSound(): Looking for sound 'key'",
                   "ResourceManager::getMusic(): Looking for music 'Song'",
                   "ResourceManager::getMusic(): Music 'Song' not found"}));
}

TEST_F(ResourceTest, ShutDownStopsAllAudioButOnlyStartUpForgetsIt) {
  ASSERT_EQ(resources.loadSound("tone.wav", "key"), 0);
  ASSERT_EQ(resources.loadMusic("tone.wav", "song"), 0);
  vt::Sound* p_sound = resources.getSound("key");
  vt::Music* p_music = resources.getMusic("song");
  p_sound->play();
  p_music->play();
  EXPECT_EQ(p_sound->getStatus(), sf::SoundSource::Playing);
  EXPECT_EQ(p_music->getStatus(), sf::SoundSource::Playing);
  resources.shutDown();
  EXPECT_EQ(p_sound->getStatus(), sf::SoundSource::Stopped);
  EXPECT_EQ(p_music->getStatus(), sf::SoundSource::Stopped);
  EXPECT_EQ(resources.getSound("key"), p_sound);
  EXPECT_EQ(resources.loadSound("tone.wav", "late"), -1);
  resources.startUp();
  EXPECT_EQ(resources.getSound("key"), nullptr);
  EXPECT_EQ(resources.getMusic("song"), nullptr);
}

TEST_F(ResourceTest, EachAudioTableHoldsAHundredAndTwentyEight) {
  for (int i = 0; i < vt::MAX_SOUNDS; i++) ASSERT_EQ(resources.loadSound("tone.wav", "s"), 0);
  for (int i = 0; i < vt::MAX_MUSICS; i++) ASSERT_EQ(resources.loadMusic("tone.wav", "m"), 0);
  EXPECT_EQ(resources.loadSound("tone.wav", "s"), -1);
  EXPECT_EQ(resources.loadMusic("tone.wav", "m"), -1);
  EXPECT_EQ(readLines("vantle.log"),
            (Lines{"ResourceManager::loadSound(): Unable to add more sounds (max is 128)",
                   "ResourceManager::loadMusic(): Unable to add more musics (max is 128)"}));
}
