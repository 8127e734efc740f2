
#include <SFML/Audio/SoundBuffer.hpp>

#include "TestSupport.h"
#include "resources/SpriteFile.h"

// Needs ALSOFT_DRIVERS=null. The manager's 256 players take every OpenAL
// source, so no other sf::Sound may be made here.

using namespace vt_test;
using Lines = std::vector<std::string>;

namespace {
const std::string EXAMPLE =
    "frames 2\nwidth 3\nheight 2\ncolor yellow\n.o.\n-+-\nend\n(o)\n| |\nend\neof\n";
const std::string NO_FRAME = "ResourceManager::loadSprite(): Cannot add frame!";
const int REFUSED = -1;

// EXAMPLE with its first occurrence of from replaced by to.
std::string example(const std::string& from, const std::string& to) {
  std::string text = EXAMPLE;
  return text.replace(text.find(from), from.size(), to);
}

std::string crlf(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

// A sprite file, the colour of the sprite read from it (all others are
// EXAMPLE's) or REFUSED, and the whole log of reading it.
struct FileCase {
  std::string text;
  int color;
  Lines log;
};

// clang-format off
const FileCase CASES[] = {
    {EXAMPLE, vt::YELLOW, {}},
    {crlf(EXAMPLE), vt::YELLOW, {}},
    {EXAMPLE.substr(0, EXAMPLE.size() - 1), REFUSED,
     {"\tError line 11. End of file reached or missing newline."}},
    {example("| |", "||"), REFUSED, {"\tError line 9.  Width 2 of 3.", "\tLine is '||'", NO_FRAME}},
    {example("frames", "Frames"), REFUSED,
     {"\tError line 1.  Expected 'frames #'", "\tHave 'Frames 2'"}},
    {example("width 3", "height 3"), REFUSED,
     {"\tError line 2.  Expected 'width #'", "\tHave 'height 3'"}},
    {"frames 2\nwidth 3\n", REFUSED, {"\tError line 3.  Unexpected end of file."}},
    {example("-+-\nend", "-+-\nend!"), REFUSED,
     {"\tError line 7.  Expected 'end'.", "\tLine is 'end!'.", NO_FRAME}},
    {example("frames 2", "frames 1"), REFUSED,
     {"\tError line 8.  Expected 'eof'.", "\tLine is '(o)'."}},
    // Ends inside a frame: "eof" is read as the third frame's first row.
    {example("frames 2", "frames 3"), REFUSED, {NO_FRAME}},
    {EXAMPLE.substr(0, EXAMPLE.find("| |")), REFUSED, {NO_FRAME}},
    {example("height 2", "height 2147483647"), REFUSED, {NO_FRAME}},
    {example("width 3", "width 2147483647"), REFUSED,
     {"\tError line 5.  Width 3 of 2147483647.", "\tLine is '.o.'", NO_FRAME}},
    {example("frames 2", "frames 2000000000"), REFUSED,
     {"Sprite::Sprite(): Unable to allocate 2000000000 frames.", NO_FRAME,
      "                               Framecount is 1, max is 2000000000."}},
    {example("yellow", "default"), vt::WHITE, {}},
    {example("yellow", "Yellow"), vt::WHITE,
     {"ResourceManager::loadSprite(): Unrecognized color 'Yellow'",
      "  Valid colors are: black, red, green, yellow,",
      "                    blue, magenta, cyan and white."}},
};
// clang-format on
}  // namespace

using SpriteFileTest = InTempDir;

TEST_F(SpriteFileTest, FilesAreReadOrRefusedWithTheLineAndTheReason) {
  for (const FileCase& c : CASES) {
    SCOPED_TRACE(c.text.substr(0, 60));
    vt::LogManager::getInstance().shutDown();
    startPlainLog();
    std::istringstream in(c.text);
    std::unique_ptr<vt::Sprite> p_sprite = vt::readSpriteFile(in);
    EXPECT_EQ(readLines("vantle.log"), c.log);
    EXPECT_EQ(p_sprite ? p_sprite->getColor() : REFUSED, c.color);
    if (!p_sprite) continue;
    EXPECT_EQ(p_sprite->getWidth() * 10 + p_sprite->getHeight(), 32);
    EXPECT_EQ(p_sprite->getFrame(0).getString() + p_sprite->getFrame(1).getString() +
                  p_sprite->getFrame(2).getString(),
              ".o.-+-(o)| |");
  }
}

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

TEST_F(ResourceTest, SpritesAreFoundByTheFirstOfTheirLabelUntilShutDown) {
  for (std::string color : {"red", "blue"})
    writeFile(color + ".txt", "frames 1\nwidth 1\nheight 1\ncolor " + color + "\nx\nend\neof\n");
  writeFile("bad.txt", "frames 0\n");
  // Sound as it is, but past the cap on what a sprite file may hold.
  const int huge = 17 << 20;
  writeFile("huge.txt", "frames 1\nwidth " + std::to_string(huge) + "\nheight 1\ncolor red\n" +
                            std::string(huge, 'x') + "\nend\neof\n");
  for (const char* file : {"folder", "missing.txt", "bad.txt", "huge.txt"})
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
                   "ResourceManager::loadSprite(): Sprite file 'bad.txt' refused.",
                   "ResourceManager::loadSprite(): Cannot add frame!",
                   "ResourceManager::loadSprite(): Sprite file 'huge.txt' refused.",
                   "ResourceManager::loadSprite(): Only the first 16777216 bytes of 'huge.txt' "
                   "are read.",
                   "ResourceManager::loadSprite(): Unable to add more Sprites (max is 1000)", "",
                   "ResourceManager not started!"}));
}

// SFML's decoders would read a folder forever; a file cut short in its
// samples is refused as a sound and streamed as far as it goes as music.
TEST_F(ResourceTest, FailedAudioLoadsLeaveTheirSlotAndLookupsLogTheirSearch) {
  writeFile("cut.wav", readFile("tone.wav").substr(0, 1000));
  // The tone, then a hole past what any sound or music file may hold.
  std::filesystem::copy_file("tone.wav", "huge.wav");
  std::filesystem::resize_file("huge.wav", 300 << 20);
  vt_test::makeFifo("pipe.wav");
  for (const char* file : {"missing.wav", "folder", "cut.wav", "huge.wav"})
    EXPECT_EQ(resources.loadSound(file, "key"), -1) << file;
  for (const char* file : {"folder", "pipe.wav", "huge.wav"})
    EXPECT_EQ(resources.loadMusic(file, "song"), -1) << file;
  EXPECT_EQ(resources.loadMusic("tone.wav", ""), -1);
  EXPECT_EQ(resources.loadSound("tone.wav", "key"), 0);
  EXPECT_EQ(resources.loadMusic("cut.wav", "song"), 0);
  vt::LogManager::getInstance().setLogLevel(5);
  EXPECT_EQ(resources.getSound("key")->getLabel(), "key");
  EXPECT_EQ(resources.getMusic("Song"), nullptr);
  EXPECT_EQ(readLines("vantle.log"),
            (Lines{"ResourceManager::loadSound(): Cannot load sound from file 'missing.wav'",
                   "ResourceManager::loadSound(): Cannot load sound from file 'folder'",
                   "ResourceManager::loadSound(): Cannot load sound from file 'cut.wav'",
                   "ResourceManager::loadSound(): Cannot load sound from file 'huge.wav'",
                   "ResourceManager::loadmusic(): Cannot load music from file 'folder'",
                   "ResourceManager::loadmusic(): Cannot load music from file 'pipe.wav'",
                   "ResourceManager::loadmusic(): Cannot load music from file 'huge.wav'",
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
  resources.shutDown();
  EXPECT_EQ(p_sound->getStatus(), sf::SoundSource::Stopped);
  EXPECT_EQ(p_music->getStatus(), sf::SoundSource::Stopped);
  EXPECT_EQ(resources.getSound("key"), p_sound);
  EXPECT_EQ(resources.loadSound("tone.wav", "late"), -1);
  resources.startUp();
  EXPECT_EQ(resources.getSound("key"), nullptr);
  EXPECT_EQ(resources.getMusic("song"), nullptr);
}

// Under OpenAL's silent driver the players are real: the volumes reach them.
TEST_F(ResourceTest, VolumesReachThePlayersWithinZeroToAHundred) {
  ASSERT_EQ(resources.loadSound("tone.wav", "key"), 0);
  ASSERT_EQ(resources.loadMusic("tone.wav", "song"), 0);
  vt::Sound* p_sound = resources.getSound("key");
  vt::Music* p_music = resources.getMusic("song");
  const std::pair<float, float> rows[] = {{42.5f, 42.5f}, {-5, 0}, {250, 100}, {NAN, 0}};
  for (auto [asked, got] : rows) {
    p_sound->setVolume(asked);
    p_music->setVolume(asked);
    resources.setMasterVolume(asked);
    EXPECT_FLOAT_EQ(p_sound->getVolume(), got) << asked;
    EXPECT_FLOAT_EQ(p_music->getVolume(), got) << asked;
    EXPECT_FLOAT_EQ(resources.getMasterVolume(), got) << asked;
  }
  vt::Config::getInstance().setMasterVolume(30);
  resources.startUp();
  EXPECT_FLOAT_EQ(resources.getMasterVolume(), 30);
}
