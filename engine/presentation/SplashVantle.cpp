#include "presentation/SplashVantle.h"

#include "core/EventKeyboard.h"
#include "core/EventStep.h"
#include "core/GameManager.h"
#include "presentation/SplashArt.h"
#include "world/WorldManager.h"

namespace vt {

namespace {
const int FLIGHT_STEPS = 30;
// Counted from the emblem's creation: when it comes to rest and when the
// splash ends.
const int REST_STEP = 45;
const int LAST_STEP = 75;
const float BELOW_VIEW = 6;
const int WING_SLOWDOWN = 2;
// Thirty float steps may end a hair short of the target row.
const float ARRIVAL_TOLERANCE = 0.001f;
}  // namespace

SplashVantle::SplashVantle(float target_x, float target_y)
    : target(target_x, target_y), countdown(FLIGHT_STEPS), p_emblem_sprite(makeEmblemSprite()) {
  setSprite(p_emblem_sprite.get());
  setSpriteSlowdown(WING_SLOWDOWN);
  setType("SplashVantle");
  setSolidness(SPECTRAL);

  Box view = WorldManager::getInstance().getView();
  float start_y = view.getCorner().getY() + view.getVertical() + BELOW_VIEW;
  setPosition(Vector(target_x, start_y));
  setDirection(Vector(0, -1));
  setSpeed((start_y - target_y) / FLIGHT_STEPS);

  registerInterest(STEP_EVENT);
  registerInterest(KEYBOARD_EVENT);
}

SplashVantle::~SplashVantle() {
  unregisterInterest(STEP_EVENT);
  unregisterInterest(KEYBOARD_EVENT);
}

Vector SplashVantle::getTarget() const { return target; }

int SplashVantle::eventHandler(const Event* p_e) {
  GameManager& game = GameManager::getInstance();
  WorldManager& world = WorldManager::getInstance();
  if (game.getGameOver()) {
    world.markForDelete(this);
    return 0;
  }
  if (p_e->getType() == KEYBOARD_EVENT) {
    game.setGameOver();
    world.markForDelete(this);
    return 1;
  }
  if (p_e->getType() != STEP_EVENT) return 0;

  countdown--;
  Vector at = getPosition();
  if (countdown <= 0 && getSpeed() != 0 && target.getY() + ARRIVAL_TOLERANCE >= at.getY()) {
    setSpeed(0);
    // Settled exactly on the target row whatever the sum of the steps.
    setPosition(Vector(at.getX(), target.getY()));
  }
  if (countdown == FLIGHT_STEPS - REST_STEP) {
    std::unique_ptr<Sprite> p_rest_sprite = makeEmblemRestSprite();
    setSprite(p_rest_sprite.get());
    p_emblem_sprite = std::move(p_rest_sprite);
    // The resting pose has one frame: nothing shows until the animation
    // wraps back to it.
    setSpriteIndex(1);
    setPosition(Vector(getPosition().getX() - 1, getPosition().getY()));
  } else if (countdown == FLIGHT_STEPS - LAST_STEP) {
    game.setGameOver();
    world.markForDelete(this);
  }
  return 1;
}

}  // namespace vt
