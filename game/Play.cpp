#include "Play.h"

#include <string>

#include "BestTimes.h"
#include "Level.h"
#include "Message.h"
#include "Setup.h"
#include "resources/ResourceManager.h"
#include "world/ObjectListIterator.h"
#include "world/WorldManager.h"

namespace {

struct PlayState {
  bool paused = false;
  int paused_steps = 0;
  int last_step = -1;
  int paused_box_id = -1;
  int run_seconds = 0;
  float unmuted_volume = -1;  // the master volume before muting; -1 when not muted
};

PlayState& state() {
  static PlayState play_state;
  return play_state;
}

// Over the maze only while nothing moves.
const vt::Vector PAUSED_AT(VIEW_HORIZONTAL / 2, VIEW_VERTICAL / 2 + 4);

// A single maze of the player's has a name of its own to be escaped by.
bool playsOneMaze() { return !playsBuiltInLevels() && levelCount() == 2; }

void showVictory() {
  std::string escaped = "Every maze";
  if (playsOneMaze()) {
    escaped = levelMaze(1).name;
    if (escaped.empty()) escaped = "The maze";
  }
  new Message("Victory! " + escaped + " escaped in " + std::to_string(state().run_seconds) + " s",
              vt::YELLOW, 0);
}

// The box may have gone with its level: it is looked for by its id.
void removePausedBox() {
  vt::WorldManager& world = vt::WorldManager::getInstance();
  vt::ObjectList all = world.getAllObjects();
  for (vt::ObjectListIterator it(&all); !it.isDone(); it.next())
    if (it.currentObject()->getId() == state().paused_box_id)
      world.markForDelete(it.currentObject());
  state().paused_box_id = -1;
}

void setPaused(bool paused) {
  PlayState& play = state();
  if (play.paused == paused) return;
  play.paused = paused;
  vt::Music* p_music = vt::ResourceManager::getInstance().getMusic("music");
  if (paused) {
    play.paused_box_id = (new Message("Paused", vt::WHITE, PAUSED_AT, 0))->getId();
    if (p_music) p_music->pause();
    return;
  }
  removePausedBox();
  if (p_music && p_music->getStatus() == vt::SoundSource::Paused) p_music->play();
}

}  // namespace

void playSound(const char* label) {
  vt::Sound* p_sound = vt::ResourceManager::getInstance().getSound(label);
  if (p_sound) p_sound->play();
}

void winLevel(int seconds) {
  int won = currentLevel()++;
  clearLevel();
  playSound("door sound");
  buildLevel(currentLevel());
  state().run_seconds += seconds;
  if (playsBuiltInLevels()) bestTimes().record(won, seconds);
  new Message("Level " + std::to_string(won) + " complete in " + std::to_string(seconds) + " s",
              vt::GREEN, MESSAGE_STEPS);
  if (currentLevel() == levelCount()) showVictory();
}

void timeUp() {
  currentLevel() = 1;
  clearLevel();
  buildLevel(1);
  state().run_seconds = 0;
  new Message("Time's up!", vt::RED, MESSAGE_STEPS);
}

void restartLevel() {
  setPaused(false);
  clearLevel();
  buildLevel(currentLevel());
  if (currentLevel() == levelCount()) showVictory();
}

void togglePause() { setPaused(!state().paused); }

bool isPaused() { return state().paused; }

void toggleMute() {
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  PlayState& play = state();
  if (play.unmuted_volume < 0) {
    play.unmuted_volume = resources.getMasterVolume();
    resources.setMasterVolume(0);
  } else {
    resources.setMasterVolume(play.unmuted_volume);
    play.unmuted_volume = -1;
  }
}

bool isMuted() { return state().unmuted_volume >= 0; }

bool pausedAt(int step_count) {
  PlayState& play = state();
  if (step_count != play.last_step) {
    play.last_step = step_count;
    if (play.paused) play.paused_steps++;
  }
  return play.paused;
}

int playStep(int step_count) { return step_count - state().paused_steps; }

int runSeconds() { return state().run_seconds; }
