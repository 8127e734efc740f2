#include "Arena.h"

#include <cstdlib>
#include <vector>

#include "ArenaPlan.h"
#include "ArenaStore.h"
#include "Cell.h"
#include "Target.h"
#include "Walker.h"
#include "core/EventKeyboard.h"
#include "core/EventMouse.h"
#include "core/EventStep.h"
#include "core/EventView.h"
#include "core/GameManager.h"
#include "core/LogManager.h"
#include "presentation/InputManager.h"
#include "world/Geometry.h"
#include "world/ObjectListIterator.h"
#include "world/WorldManager.h"

namespace {

/// Steps a notice stays on the help line: two seconds at the default rate.
const int NOTICE_STEPS = 60;

template <typename T>
std::vector<T*> allOf(const std::string& type) {
  std::vector<T*> found;
  vt::ObjectList objects = vt::WorldManager::getInstance().getAllObjects();
  for (vt::ObjectListIterator it(&objects); !it.isDone(); it.next())
    if (it.currentObject()->getType() == type) found.push_back(static_cast<T*>(it.currentObject()));
  return found;
}

float distance(vt::Vector a, vt::Vector b) { return (a - b).getMagnitude(); }

vt::ViewObject* display(const std::string& label, vt::ViewObjectLocation location,
                        vt::Color color) {
  auto* p_view = new vt::ViewObject;
  p_view->setViewString(label);
  p_view->setLocation(location);
  p_view->setColor(color);
  return p_view;
}

// The counts stand in a row of four along the top.
vt::ViewObject* count(const std::string& label, int column, vt::Color color) {
  vt::ViewObject* p_view = display(label, vt::TOP_LEFT, color);
  p_view->setPosition(vt::Vector(ARENA_HORIZONTAL * (1 + 2 * static_cast<float>(column)) / 8, 1));
  return p_view;
}

void show(const std::string& label, int value) {
  vt::EventView event(label, value, false);
  vt::WorldManager::getInstance().onEvent(&event);
}

}  // namespace

Arena::Arena() : notice_steps(0) {
  setType("Arena");
  setSolidness(vt::SPECTRAL);
  setVisible(false);
  buildArena();
  count(WALKING_LABEL, 0, vt::YELLOW);
  count(ARRIVED_LABEL, 1, vt::GREEN);
  count(TARGETS_LABEL, 2, vt::YELLOW);
  count(OBJECTS_LABEL, 3, vt::CYAN);
  p_help = display(HELP_TEXT, vt::BOTTOM_CENTER, vt::WHITE);
  p_help->setDrawValue(false);
  p_help->setBorder(false);
  registerInterest(vt::MOUSE_EVENT);
  registerInterest(vt::KEYBOARD_EVENT);
  registerInterest(vt::STEP_EVENT);
}

int Arena::eventHandler(const vt::Event* p_e) {
  if (p_e->getType() == vt::MOUSE_EVENT) {
    click(static_cast<const vt::EventMouse*>(p_e));
    return 1;
  }
  if (p_e->getType() == vt::KEYBOARD_EVENT) {
    key(static_cast<const vt::EventKeyboard*>(p_e));
    return 1;
  }
  if (p_e->getType() == vt::STEP_EVENT) {
    tally();
    if (notice_steps > 0 && --notice_steps == 0) p_help->setViewString(HELP_TEXT);
    return 1;
  }
  return 0;
}

void Arena::click(const vt::EventMouse* p_e) {
  if (p_e->getMouseAction() != vt::CLICKED || p_e->getMouseButton() != vt::Mouse::LEFT) return;
  // The pointer's position is in window cells; the world may be scrolled.
  sendWalker(cellOf(vt::viewToWorld(p_e->getMousePosition())));
}

void Arena::key(const vt::EventKeyboard* p_e) {
  if (p_e->getKeyboardAction() != vt::KEY_PRESSED) return;
  switch (p_e->getKey()) {
    case vt::Keyboard::S: {
      int count = saveArena(ARENA_FILE);
      showNotice(count < 0 ? "Cannot write " + ARENA_FILE
                           : "Saved " + std::to_string(count) + " objects to " + ARENA_FILE);
      break;
    }
    case vt::Keyboard::L: {
      int count = loadArena(ARENA_FILE);
      showNotice(count < 0 ? "Nothing to load from " + ARENA_FILE
                           : "Loaded " + std::to_string(count) + " objects from " + ARENA_FILE);
      tally();
      break;
    }
    case vt::Keyboard::A:
      addWalkers(WALKERS_ADDED);
      tally();
      break;
    case vt::Keyboard::Q:
      vt::GameManager::getInstance().setGameOver();
      break;
    default:
      break;
  }
}

int Arena::sendWalker(vt::Vector cell) {
  if (!isFloor(cell)) return -1;
  Walker* p_chosen = nullptr;
  bool chosen_free = false;
  for (Walker* p_walker : allOf<Walker>("Walker")) {
    bool free = !p_walker->isWalking();
    bool nearer = !p_chosen ||
                  distance(p_walker->getPosition(), cell) < distance(p_chosen->getPosition(), cell);
    if ((free && !chosen_free) || (free == chosen_free && nearer)) {
      p_chosen = p_walker;
      chosen_free = free;
    }
  }
  if (!p_chosen || p_chosen->headFor(cell) != 0) return -1;
  new Target(cell);
  tally();
  return 0;
}

int Arena::addWalkers(int count) {
  std::vector<vt::Vector> free;
  std::vector<Walker*> walkers = allOf<Walker>("Walker");
  const std::vector<std::string>& plan = arenaPlan();
  for (std::size_t row = 0; row < plan.size(); row++)
    for (std::size_t column = 0; column < plan[row].size(); column++) {
      vt::Vector cell(static_cast<float>(column), static_cast<float>(row + PLAN_TOP));
      bool taken = !isFloor(cell);
      for (std::size_t i = 0; i < walkers.size() && !taken; i++)
        taken = cellOf(walkers[i]->getPosition() + vt::Vector(0.5f, 0.5f)) == cell;
      if (!taken) free.push_back(cell);
    }
  int added = 0;
  for (; added < count && !free.empty(); added++) {
    std::size_t pick = static_cast<std::size_t>(rand()) % free.size();
    new Walker(free[pick]);
    free[pick] = free.back();
    free.pop_back();
  }
  return added;
}

void Arena::tally() {
  std::vector<Walker*> walkers = allOf<Walker>("Walker");
  std::vector<Target*> targets = allOf<Target>("Target");
  std::vector<bool> claimed(targets.size(), false);
  int walking = 0, arrived = 0;
  for (Walker* p_walker : walkers) {
    if (p_walker->isWalking()) walking++;
    if (p_walker->hasArrived()) arrived++;
    if (!p_walker->hasTarget()) continue;
    // Each walker claims one target on its cell; two may share a cell.
    for (std::size_t i = 0; i < targets.size(); i++)
      if (!claimed[i] && targets[i]->getPosition() == p_walker->getTarget()) {
        claimed[i] = true;
        targets[i]->setReached(p_walker->hasArrived());
        break;
      }
  }
  int kept = 0;
  for (std::size_t i = 0; i < targets.size(); i++) {
    if (claimed[i]) {
      kept++;
      continue;
    }
    targets[i]->setActive(false);
    vt::WorldManager::getInstance().markForDelete(targets[i]);
  }
  show(WALKING_LABEL, walking);
  show(ARRIVED_LABEL, arrived);
  show(TARGETS_LABEL, kept);
  show(OBJECTS_LABEL, vt::WorldManager::getInstance().getAllObjects(true).getCount());
}

vt::ViewObject* Arena::getHelpLine() const { return p_help; }

void Arena::showNotice(const std::string& notice) {
  p_help->setViewString(notice);
  notice_steps = NOTICE_STEPS;
}
