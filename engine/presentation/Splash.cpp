#include "presentation/Splash.h"

#include "core/EventKeyboard.h"
#include "core/EventStep.h"
#include "core/FrameLoop.h"
#include "core/GameManager.h"
#include "core/LogManager.h"
#include "presentation/SplashArt.h"
#include "presentation/SplashVantle.h"
#include "world/WorldManager.h"

namespace vt {

namespace {
// Steps to slide in; then the name rests for the rest of the splash.
const int SLIDE_STEPS = 15;
const int LAST_STEP = 90;
// Where the emblem settles, from the name's centre: just past its right end.
const float EMBLEM_OFFSET_X = 24;
const float EMBLEM_OFFSET_Y = 1;
}  // namespace

int splash() { return splash(nullptr); }

int splash(std::function<void()> after) {
  LogManager& log = LogManager::getInstance();
  log.writeLog(10, "splash(): Started.");
  if (!GameManager::getInstance().isStarted()) {
    log.writeLog("splash(): Error! Cannot run splash screen until game manger is started.");
    return -1;
  }
  new Splash;  // the world deletes it
  runLoop([after] {
    LogManager::getInstance().writeLog(10, "splash(): Finished.");
    if (after) after();
  });
  return 0;
}

Splash::Splash() : countdown(SLIDE_STEPS), p_name_sprite(makeNameSprite()) {
  setSprite(p_name_sprite.get());
  setSpriteIndex(0);
  setSpriteSlowdown(0);
  setType("Splash");
  setSolidness(SPECTRAL);

  Box view = WorldManager::getInstance().getView();
  float width = getBox().getHorizontal();
  float view_x = view.getCorner().getX();
  float view_width = view.getHorizontal();
  setPosition(
      Vector(view_x + view_width + width / 2, view.getCorner().getY() + view.getVertical() / 2));

  int distance = static_cast<int>(width / 2 + view_width / 2);
  setDirection(Vector(-1, 0));
  setSpeed(static_cast<float>(distance) / SLIDE_STEPS);

  registerInterest(STEP_EVENT);
  registerInterest(KEYBOARD_EVENT);
}

Splash::~Splash() {
  unregisterInterest(STEP_EVENT);
  unregisterInterest(KEYBOARD_EVENT);
}

int Splash::eventHandler(const Event* p_e) {
  GameManager& game = GameManager::getInstance();
  WorldManager& world = WorldManager::getInstance();
  if (game.getGameOver()) {
    world.markForDelete(this);
    return 0;
  }
  if (p_e->getType() == KEYBOARD_EVENT) {
    game.setGameOver();
    world.markForDelete(this);
    return 0;
  }
  if (p_e->getType() != STEP_EVENT) return 0;

  countdown--;
  if (countdown == 0) {
    setSpeed(0);
    setSpriteIndex(1);
    Vector at = getPosition();
    new SplashVantle(at.getX() + EMBLEM_OFFSET_X, at.getY() + EMBLEM_OFFSET_Y);
  } else if (countdown == SLIDE_STEPS - LAST_STEP) {
    world.markForDelete(this);
  }
  return 1;
}

}  // namespace vt
