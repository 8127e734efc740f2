#include "Message.h"

#include <algorithm>
#include <vector>

#include "Setup.h"
#include "core/EventStep.h"
#include "world/ObjectListIterator.h"
#include "world/WorldManager.h"

namespace {

// Blanks between two messages of the row.
const int GAP = 3;

// Places the row's messages side by side, centred under the view, each
// starting on a whole column.
void lineUpRow() {
  vt::WorldManager& world = vt::WorldManager::getInstance();
  std::vector<Message*> shown;
  vt::ObjectList all = world.getAllObjects();
  // The words of a level just cleared are gone before the next picture.
  for (vt::ObjectListIterator it(&all); !it.isDone(); it.next())
    if (vt::Object* p_o = it.currentObject(); p_o->getType() == "Message" &&
                                              p_o->getPosition().getY() == Message::row() &&
                                              !world.isMarkedForDelete(p_o))
      shown.push_back(static_cast<Message*>(p_o));
  std::sort(shown.begin(), shown.end(),
            [](const Message* a, const Message* b) { return a->getId() < b->getId(); });
  int width = -GAP;
  for (const Message* p_message : shown)
    width += static_cast<int>(p_message->getViewString().size()) + GAP;
  int column =
      std::max(0, static_cast<int>(VIEW_LEFT) + (static_cast<int>(VIEW_HORIZONTAL) - width) / 2);
  for (Message* p_message : shown) {
    int length = static_cast<int>(p_message->getViewString().size());
    // A centred string starts half its length, rounded down, left of its position.
    p_message->setPosition(vt::Vector(static_cast<float>(column + length / 2), Message::row()));
    column += length + GAP;
  }
}

}  // namespace

Message::Message(const std::string& text, vt::Color color, vt::Vector where, int steps)
    : steps_left(steps) {
  setType("Message");
  setViewString(text);
  setDrawValue(false);
  setColor(color);
  setPosition(where);
  registerInterest(vt::STEP_EVENT);
}

Message::Message(const std::string& text, vt::Color color, int steps)
    : Message(text, color, vt::Vector(0, row()), steps) {
  setBorder(false);
  lineUpRow();
}

float Message::row() { return VIEW_TOP + VIEW_VERTICAL; }

int Message::eventHandler(const vt::Event* p_e) {
  if (ViewObject::eventHandler(p_e) != 0) return 1;
  if (p_e->getType() != vt::STEP_EVENT) return 0;
  if (steps_left > 0 && --steps_left == 0) vt::WorldManager::getInstance().markForDelete(this);
  return 1;
}

int Message::getStepsLeft() const { return steps_left; }

void coverMessageRow() {
  vt::ViewObject* p_cover = new vt::ViewObject;
  p_cover->setType("MessageRow");
  p_cover->setBorder(false);
  p_cover->setDrawValue(false);
  // The view's width and the column past it, where pieces show likewise.
  int width = static_cast<int>(VIEW_HORIZONTAL) + 1;
  p_cover->setViewString(std::string(static_cast<std::size_t>(width), ' '));
  p_cover->setPosition(vt::Vector(VIEW_LEFT + static_cast<float>(width / 2), Message::row()));
  p_cover->setAltitude(vt::MAX_ALTITUDE - 1);
}
