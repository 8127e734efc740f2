// The hero's ways through a level: shortest walks over the cells where the
// hero would touch nothing HARD, by the world's own collision test. Keys are
// SOFT and so never in the way; the door is HARD and is touched by trying to
// step into it. Walls do not change during a level, so a planner serves one
// hero and learns the cells as it goes. Used to tell whether a maze can be
// won, and by the tests to play the game.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "LevelLayout.h"
#include "world/Object.h"

class RoutePlanner {
 public:
  explicit RoutePlanner(const vt::Object* p_init_walker);

  /// The shortest walk (the cells after the walker's own) to a cell where
  /// the walker touches one of goals or, with push, from where one more
  /// step, push_step, would; false if there is none.
  bool walkTo(const std::vector<vt::Object*>& goals, bool push, std::vector<Cell>& walk,
              Cell& push_step);

  /// The walk to the nearest key or, once all are taken, to the door.
  bool toGoal(std::vector<Cell>& walk, Cell& push_step);

  /// Whether the walker can step out of the world: from, the nearest cell
  /// it steps out from.
  bool wayOut(Cell& from);

 private:
  /// The shortest walk to a cell where reached(x, y) holds; false if none.
  bool search(const std::function<bool(int, int)>& reached, std::vector<Cell>& walk);
  bool isOpen(int x, int y);

  const vt::Object* p_walker;
  std::vector<signed char> open;  // per cell: -1 not yet known, 0 or 1
};

/// The active objects of a type in the world's order.
std::vector<vt::Object*> objectsOfType(const std::string& type);
