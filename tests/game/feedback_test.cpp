// What the player is told and can do beyond moving: messages that come and
// go, pause and resume, restart, and best times kept in a file.

#include "GameTestSupport.h"

using namespace game_test;
using sf::Keyboard;

namespace {

class FeedbackTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    buildLevel(currentLevel());
  }

  /// From a cell, one held step with key.
  void stepFrom(int x, int y, Keyboard::Key key) {
    hero()->setPosition(cell(x, y));
    frame(), frame();  // a move waits two steps after the last
    frame({key});
  }

  static int messages(const std::string& text) {
    int n = 0;
    for (vt::Object* p_o : ofType("Message"))
      n += static_cast<vt::ViewObject*>(p_o)->getViewString() == text;
    return n;
  }

  /// Whether text shows for about MESSAGE_STEPS frames from now.
  bool showsForItsTime(const std::string& text) {
    for (int i = 0; i < MESSAGE_STEPS - 1; i++) {
      if (messages(text) != 1) return false;
      frame();
    }
    frame(), frame();
    return messages(text) == 0;
  }
};

}  // namespace

// The hero walks up through the walls to the top row of each level: the
// view's corner stays on whole rows, and at the top every piece in view is
// drawn below the three rows of the displays.
TEST_F(FeedbackTest, TheMazeIsDrawnBelowTheDisplaysOnWholeRows) {
  vt::WorldManager& world = vt::WorldManager::getInstance();
  for (int level = 1; level <= LEVEL_COUNT; level++) {
    SCOPED_TRACE("level " + std::to_string(level));
    clearLevel();
    world.update();
    buildLevel(level);
    Hero* p_hero = hero();
    p_hero->setSolidness(vt::SPECTRAL);
    for (float y = p_hero->getPosition().getY(); y >= 0; y--) {
      world.moveObject(p_hero, vt::Vector(p_hero->getPosition().getX(), y));
      ASSERT_EQ(world.getView().getCorner().getY(), std::floor(world.getView().getCorner().getY()));
    }
    for (vt::Object* p_o : ofType()) {
      if (!p_o->getSprite() || !vt::boxIntersectsBox(vt::getWorldBox(p_o), world.getView()))
        continue;
      EXPECT_GE(vt::worldToView(p_o->getPosition()).getY() - p_o->getSprite()->getHeight() / 2, 3)
          << p_o->getType();
    }
  }
}

TEST_F(FeedbackTest, WinningTimingOutAndTheFinalScreenAreToldAndBestTimesAreKept) {
  stepFrom(5, 4, Keyboard::Left);  // the key
  stepFrom(5, 8, Keyboard::Down);  // the door, 1 s into the level
  ASSERT_EQ(currentLevel(), 2);
  EXPECT_TRUE(showsForItsTime("Level 1 complete in 1 s"));
  EXPECT_EQ(vt_test::readLines(bestTimesFile()).back(), "1 1");
  EXPECT_EQ(bestTimesFile(), dir + "/vantle-maze/best-times.txt");
  while (currentLevel() == 2) frame();
  EXPECT_NE(display("Best 1s"), nullptr);
  EXPECT_TRUE(showsForItsTime("Time's up!"));

  clearLevel();
  buildLevel(currentLevel() = 5);
  frame();
  for (auto [x, y, key] : {std::tuple{5, 96, Keyboard::A},
                           {120, 3, Keyboard::D},
                           {35, 96, Keyboard::A},
                           {120, 96, Keyboard::D},
                           {62, 2, Keyboard::W}})
    stepFrom(x, y, key);
  ASSERT_EQ(currentLevel(), 6);
  for (int i = 0; i < 100; i++) frame();
  EXPECT_EQ(messages("Victory! Every maze escaped in " + std::to_string(runSeconds()) + " s"), 1);
  EXPECT_EQ(runSeconds(), 1);
}

// The game's words stand side by side in the row below the maze's view,
// inside the window; a single maze of the player's is escaped by its name
// (the victory tells the run's total).
TEST_F(FeedbackTest, WordsToThePlayerStandBelowTheMazeSideBySide) {
  Maze named = builtInMaze(1), unnamed = builtInMaze(1), second = builtInMaze(2);
  named.name = "Zigzag";
  unnamed.name = "";
  second.name = std::string(40, 'n');
  struct Row {
    std::vector<Maze> mazes;
    int level, won;  // the seconds of a won level; 0: time is up
    std::vector<std::string> said;
  };
  const Row rows[] = {
      {{}, 1, 1, {"Level 1 complete in 1 s"}},
      {{}, 2, 0, {"Time's up!"}},
      {{}, 5, 3, {"Level 5 complete in 3 s", "Victory! Every maze escaped in 3 s"}},
      {{named, second}, 1, 4, {second.name, "Level 1 complete in 4 s"}},
      {{named, second}, 2, 0, {"Zigzag", "Time's up!"}},
      {{named}, 1, 5, {"Level 1 complete in 5 s", "Victory! Zigzag escaped in 5 s"}},
      {{unnamed}, 1, 6, {"Level 1 complete in 6 s", "Victory! The maze escaped in 11 s"}},
  };
  for (const Row& row : rows) {
    playMazes(row.mazes);
    clearLevel();
    buildLevel(currentLevel() = row.level);
    frame();
    row.won ? winLevel(row.won) : timeUp();
    frame();  // the old level and its words go
    std::map<float, std::string> said;  // by column
    for (vt::Object* p_o : ofType("Message")) {
      EXPECT_EQ(p_o->getPosition().getY(), VIEW_TOP + VIEW_VERTICAL);
      EXPECT_FALSE(static_cast<Message*>(p_o)->getBorder());  // a frame would reach the maze
      said[p_o->getPosition().getX()] = static_cast<Message*>(p_o)->getViewString();
    }
    std::vector<std::string> texts;
    int first = -1, end = 0;  // the first text's column, and the column after the last and a blank
    for (const auto& [x, text] : said) {
      int start = static_cast<int>(x) - static_cast<int>(text.size() / 2);
      EXPECT_GE(start, end) << text;
      if (first < 0) first = start;
      end = start + static_cast<int>(text.size()) + 1;
      texts.push_back(text);
    }
    // Centred under the view's 75 columns from column 2, inside the window.
    EXPECT_LE(std::abs((first - 2) - (77 - (end - 1))), 1);
    EXPECT_LE(end, 81);
    EXPECT_EQ(texts, row.said);
    // Blanks under the words hide the maze's pieces drawn past the view.
    std::vector<vt::Object*> covers = ofType("MessageRow");
    ASSERT_EQ(covers.size(), 1u);
    EXPECT_LT(covers[0]->getAltitude(), vt::MAX_ALTITUDE);
  }
}

// Paused in step 10 for 100 steps, the countdowns go on as if from step 10.
TEST_F(FeedbackTest, PauseHoldsCountdownHeroAndMusicAndResumingGoesOn) {
  vt::Music* p_music = vt::ResourceManager::getInstance().getMusic("music");
  p_music->play();
  while (step() < 10) frame();
  press(vt::Keyboard::P, vt::KEY_PRESSED);
  EXPECT_EQ(p_music->getStatus(), sf::SoundSource::Paused);
  vt::Vector at = hero()->getPosition();
  while (step() < 110) frame({Keyboard::Left});
  EXPECT_EQ(messages("Paused"), 1);
  EXPECT_EQ(hero()->getPosition(), at);
  press(vt::Keyboard::ESCAPE, vt::KEY_PRESSED);
  EXPECT_EQ(p_music->getStatus(), sf::SoundSource::Playing);
  while (step() < 130) frame({Keyboard::Left});
  EXPECT_EQ(messages("Paused"), 0);
  EXPECT_EQ(hero()->getPosition(), cell(at.getX() - 10, at.getY()));
  EXPECT_EQ(display("Time Remaining:")->getValue(), 29);
  frame();  // step 130, 30 steps played since step 0
  EXPECT_EQ(display("Time Remaining:")->getValue(), 28);
  EXPECT_EQ(hero()->getTimeLeft(), 28);
  press(vt::Keyboard::P, vt::KEY_PRESSED);
  press(vt::Keyboard::Q, vt::KEY_PRESSED);  // paused or not
  EXPECT_TRUE(vt::GameManager::getInstance().getGameOver());
}

TEST_F(FeedbackTest, MMutesEverySoundAndBringsBackTheVolumeItHad) {
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  resources.setMasterVolume(70);
  for (float volume : {0.0f, 70.0f, 0.0f}) {
    press(vt::Keyboard::M, vt::KEY_PRESSED);
    press(vt::Keyboard::M, vt::KEY_DOWN);  // held, it changes nothing
    EXPECT_FLOAT_EQ(resources.getMasterVolume(), volume);
    EXPECT_EQ(isMuted(), volume == 0);
  }
}

TEST_F(FeedbackTest, RestartBuildsTheLevelAgainWithItsFullTime) {
  clearLevel();
  buildLevel(currentLevel() = 2);
  frame();
  stepFrom(5, 4, Keyboard::Left);  // the key
  while (step() < 75) frame();
  press(vt::Keyboard::R, vt::KEY_PRESSED);
  frame();  // the old level goes
  EXPECT_EQ(currentLevel(), 2);
  EXPECT_EQ(static_cast<int>(ofType().size()), levelObjects(2));
  EXPECT_EQ(hero()->getPosition(), cell(40, 20));
  EXPECT_EQ(hero()->getTimeLeft(), 60);
  EXPECT_EQ(display("Time Remaining:")->getValue(), 60);
  EXPECT_EQ(display("Keys Remaining")->getValue(), 1);
}

TEST_F(FeedbackTest, BestTimesOutliveTheirProgramAndFaultyFilesAreSaidOnce) {
  std::string file = dir + "/times/best.txt";
  // A link planted where a temporary file might go is not followed.
  std::filesystem::create_directory("times");
  vt_test::writeFile("victim", "kept\n");
  std::filesystem::create_symlink(dir + "/victim", file + ".tmp");
  std::vector<std::string> replaced;
  vt::setReplacedHook([&](const std::string& path) { replaced.push_back(path); });
  {
    BestTimes first(file);
    EXPECT_TRUE(first.record(2, 40));
    EXPECT_FALSE(first.record(2, 41) || first.record(2, 40));  // no better than the best
    EXPECT_TRUE(first.record(3, 7));
  }
  vt_test::writeFile(file, vt_test::readFile(file) + "4 x\n5 12\n");
  BestTimes second(file);
  EXPECT_EQ(second.get(2) * 10000 + second.get(3) * 100 + second.get(5), 400712);
  EXPECT_EQ(second.get(4), -1);
  EXPECT_EQ(vt_test::readLines(file).size(), 4u);  // written anew, without line 4

  vt_test::writeFile("plain", "");
  BestTimes unwritable("plain/best.txt");
  EXPECT_TRUE(unwritable.record(1, 9) && unwritable.record(1, 8));
  EXPECT_EQ(unwritable.get(1), 8);
  std::filesystem::create_directory("folder");
  vt_test::makeFifo("pipe");
  std::filesystem::create_symlink("/dev/zero", "zeros");
  for (const char* path : {"folder", "pipe", "zeros"}) {
    BestTimes unreadable(path);
    EXPECT_EQ(unreadable.get(1), -1) << path;
  }
  EXPECT_EQ(vt_test::readFile("victim"), "kept\n");
  // Each file put in place is told (a web page keeps it), a failed one not.
  vt::setReplacedHook(nullptr);
  EXPECT_EQ(replaced, std::vector<std::string>(3, file));
  EXPECT_TRUE(vt_test::contains(vt_test::logMessages(),
                                "BestTimes::load(): Warning! '" + file +
                                    "' is damaged at line 4; it is written anew with the times "
                                    "it still holds."));
}
