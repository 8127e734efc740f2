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
class AudioTest : public InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    // One second of tone: still playing when a test looks.
    std::vector<sf::Int16> samples(44100);
    for (size_t i = 0; i < samples.size(); i++) samples[i] = (i % 100) * 20;
    sf::SoundBuffer buffer;
    ASSERT_TRUE(buffer.loadFromSamples(samples.data(), samples.size(), 1, 44100));
    ASSERT_TRUE(buffer.saveToFile("tone.wav"));
    startPlainLog();
    ASSERT_EQ(resources.startUp(), 0);
  }

  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
};
}  // namespace

TEST_F(AudioTest, FailedLoadsLeaveTheirSlotAndLookupsLogTheirSearch) {
  EXPECT_EQ(resources.loadSound("missing.wav", "key"), -1);
  EXPECT_EQ(resources.loadMusic("missing.wav", "song"), -1);
  EXPECT_EQ(resources.loadMusic("tone.wav", ""), -1);
  EXPECT_EQ(resources.getSound("key"), nullptr);
  EXPECT_EQ(resources.loadSound("tone.wav", "key"), 0);
  EXPECT_EQ(resources.loadSound("tone.wav", ""), 0);
  EXPECT_EQ(resources.loadMusic("tone.wav", "song"), 0);
  vt::LogManager::getInstance().setLogLevel(5);
  EXPECT_EQ(resources.getSound("key")->getLabel(), "key");
  EXPECT_EQ(resources.getSound("")->getLabel(), "");
  EXPECT_EQ(resources.getMusic("Song"), nullptr);
  EXPECT_EQ(readLines("vantle.log"),
            (Lines{"ResourceManager::loadSound(): Cannot load sound from file 'missing.wav'",
                   "ResourceManager::loadmusic(): Cannot load music from file 'missing.wav'",
                   "ResourceManager::loadMusic(): Must provide label for music",
                   "ResourceManager::getSound(): Sound 'key' not found",
                   "ResourceManager::getSound(): Looking for sound 'key'",
                   "ResourceManager::getSound(): Looking for sound ''",
                   "ResourceManager::getMusic(): Looking for music 'Song'",
                   "ResourceManager::getMusic(): Music 'Song' not found"}));
}

// SFML's decoders would read a folder forever; a file cut short in its
// samples is refused as a sound and streamed as far as it goes as music.
TEST_F(AudioTest, FoldersAreRefusedAtOnceAndCutSoundsFailToLoad) {
  std::filesystem::create_directory("folder.wav");
  EXPECT_EQ(resources.loadSound("folder.wav", "key"), -1);
  EXPECT_EQ(resources.loadMusic("folder.wav", "song"), -1);
  writeFile("cut.wav", readFile("tone.wav").substr(0, 1000));
  EXPECT_EQ(resources.loadSound("cut.wav", "key"), -1);
  EXPECT_EQ(resources.loadMusic("cut.wav", "song"), 0);
  EXPECT_EQ(readLines("vantle.log"),
            (Lines{"ResourceManager::loadSound(): Cannot load sound from file 'folder.wav'",
                   "ResourceManager::loadmusic(): Cannot load music from file 'folder.wav'",
                   "ResourceManager::loadSound(): Cannot load sound from file 'cut.wav'"}));
}

TEST_F(AudioTest, ShutDownStopsAllAudioButOnlyStartUpForgetsIt) {
  vt::LogManager::getInstance().setLogLevel(5);
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
  Lines log = readLines("vantle.log");
  EXPECT_TRUE(contains(log, "Sound::play(): Playing sound."));
  EXPECT_TRUE(contains(log, "Music::play(): Playing music."));
  EXPECT_TRUE(contains(log, "Music::stop(): Stopping music."));
  EXPECT_EQ(resources.getSound("key"), p_sound);
  EXPECT_EQ(resources.loadSound("tone.wav", "late"), -1);
  EXPECT_TRUE(contains(readLines("vantle.log"), "ResourceManager not started!"));
  resources.startUp();
  EXPECT_EQ(resources.getSound("key"), nullptr);
  EXPECT_EQ(resources.getMusic("song"), nullptr);
}

TEST_F(AudioTest, EachTableHoldsAHundredAndTwentyEight) {
  for (int i = 0; i < vt::MAX_SOUNDS; i++) ASSERT_EQ(resources.loadSound("tone.wav", "s"), 0);
  for (int i = 0; i < vt::MAX_MUSICS; i++) ASSERT_EQ(resources.loadMusic("tone.wav", "m"), 0);
  EXPECT_EQ(resources.loadSound("tone.wav", "s"), -1);
  EXPECT_EQ(resources.loadMusic("tone.wav", "m"), -1);
  EXPECT_EQ(readLines("vantle.log"),
            (Lines{"ResourceManager::loadSound(): Unable to add more sounds (max is 128)",
                   "ResourceManager::loadMusic(): Unable to add more musics (max is 128)"}));
}
