// The player's object and the game's referee. It moves one cell at a time
// while a direction key is held, at most once every two steps; counts the
// keys it touches; leads on to the next level when it runs into the door
// holding all of the level's keys; sends the game back to level 1 when its
// time runs out; pauses and resumes the game with P or Escape, restarts the
// level with R, mutes and unmutes it with M and ends the game when Q is
// pressed. The view follows it.
#pragma once

#include "world/Object.h"
#include "world/Vector.h"
#include "world/ViewObject.h"

namespace vt {
class EventCollision;
class EventKeyboard;
class EventStep;
}  // namespace vt

class Hero : public vt::Object {
 public:
  /// A hero with time_limit seconds that shows keys in a "Keys Remaining"
  /// display, unless keys is 0.
  Hero(int time_limit, int keys, vt::Vector position);
  ~Hero() override;

  /// 1 for keyboard, step and collision events, 0 for any other.
  int eventHandler(const vt::Event* p_e) override;

  /// One move by (dx, dy), unless the last move was too recent.
  void moveBy(int dx, int dy);

  int getTimeLeft() const;
  int getKeysCollected() const;

 private:
  void keyboard(const vt::EventKeyboard* p_e);
  void step(const vt::EventStep* p_e);
  void collide(const vt::EventCollision* p_e);

  int move_interval;
  int move_wait;
  int time_left;
  int steps_played;  // steps of this level not spent paused
  int keys_collected;
  vt::ViewObject* p_keys_view;
  // Set once the hero has cleared its level: it stays in the world until
  // the next deletion pass, but must not act on the new level meanwhile.
  bool level_ended;
};
