#include "world/ViewObject.h"

#include <algorithm>
#include <climits>

#include "core/EventView.h"
#include "core/LogManager.h"
#include "core/Utility.h"
#include "presentation/GraphicsManager.h"
#include "world/Geometry.h"
#include "world/WorldManager.h"

namespace vt {

ViewObject::ViewObject() {
  view_string = "";
  setSolidness(SPECTRAL);
  setAltitude(MAX_ALTITUDE);
  setType("ViewObject");
  border = true;
  value = 0;
  draw_value = true;
  color = COLOR_DEFAULT;
  location = UNDEFINED_LOCATION;
  setLocation(TOP_CENTER);
  for (bool& flag : modified) flag = true;
  registerInterest(VIEW_EVENT);
}

void ViewObject::setPosition(Vector new_position) {
  if (new_position == getPosition()) return;
  Object::setPosition(new_position);
  location = UNDEFINED_LOCATION;
  setModified(LOCATION);
}

int ViewObject::eventHandler(const Event* p_e) {
  if (p_e->getType() != VIEW_EVENT) return Object::eventHandler(p_e);
  const EventView* p_ve = static_cast<const EventView*>(p_e);
  if (p_ve->getTag() != view_string) return 0;
  if (!p_ve->getDelta()) {
    setValue(p_ve->getValue());
    return 1;
  }
  // A count driven past the int range stops at its end instead of wrapping.
  long long sum = static_cast<long long>(value) + p_ve->getValue();
  setValue(static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX)));
  return 1;
}

std::string ViewObject::getText() const {
  std::string text = view_string;
  if (draw_value) text += " " + toString(value);
  if (border) text = " " + text + " ";
  return text;
}

void ViewObject::draw() {
  GraphicsManager& graphics = GraphicsManager::getInstance();
  std::string text = getText();
  Vector w = viewToWorld(getPosition());
  graphics.drawString(w, text, CENTER_JUSTIFIED, color);
  if (!border) return;
  int n = static_cast<int>(text.size());
  std::string line(text.size(), '-');
  graphics.drawString(Vector(w.getX(), w.getY() - 1), line, CENTER_JUSTIFIED, color);
  graphics.drawString(Vector(w.getX(), w.getY() + 1), line, CENTER_JUSTIFIED, color);
  float left = w.getX() - static_cast<float>(n / 2) - 1;
  graphics.drawCh(Vector(left, w.getY()), '|', color);
  graphics.drawCh(Vector(left + static_cast<float>(n) + 1, w.getY()), '|', color);
}

bool ViewObject::isModified() const {
  LogManager& log = LogManager::getInstance();
  for (int i = 0; i < VIEW_ATTRIBUTE_COUNT; i++) {
    log.writeLog(10, "ViewObject::isModified(): %d is %s", i, modified[i] ? "true" : "false");
    if (modified[i]) return true;
  }
  return Object::isModified();
}

bool ViewObject::isModified(ViewObjectAttribute attribute) const {
  if (attribute < 0 || attribute >= VIEW_ATTRIBUTE_COUNT) return false;
  return modified[attribute];
}

void ViewObject::setModified(ViewObjectAttribute attribute, bool new_modified) {
  if (attribute >= 0 && attribute < VIEW_ATTRIBUTE_COUNT) modified[attribute] = new_modified;
}

void ViewObject::setViewString(std::string new_view_string) {
  if (new_view_string == view_string) return;
  view_string = std::move(new_view_string);
  setModified(VIEW_STRING);
}

std::string ViewObject::getViewString() const { return view_string; }

void ViewObject::setValue(int new_value) {
  if (new_value == value) return;
  value = new_value;
  setModified(VALUE);
}

int ViewObject::getValue() const { return value; }

void ViewObject::setColor(Color new_color) {
  if (new_color == color) return;
  color = new_color;
  setModified(COLOR);
}

Color ViewObject::getColor() const { return color; }

void ViewObject::setDrawValue(bool new_draw_value) { draw_value = new_draw_value; }

bool ViewObject::getDrawValue() const { return draw_value; }

void ViewObject::setBorder(bool new_border) {
  if (new_border == border) return;
  border = new_border;
  setModified(BORDER);
  if (location != UNDEFINED_LOCATION) setLocation(location);
}

bool ViewObject::getBorder() const { return border; }

void ViewObject::setLocation(ViewObjectLocation new_location) {
  if (new_location < TOP_LEFT || new_location > BOTTOM_RIGHT) {
    LogManager::getInstance().writeLog(
        "ViewObject::setLocation(): Location out of range (%d).  Ignored.",
        static_cast<int>(new_location));
    return;
  }
  Box view = WorldManager::getInstance().getView();
  float h = view.getHorizontal();
  float v = view.getVertical();
  int column = new_location % 3;
  int row = new_location / 3;
  float x = column == 0 ? h / 6 : column == 1 ? h * 3 / 6 : h * 5 / 6;
  float y;
  if (row == 0)
    y = border ? 1 : 0;
  else if (row == 1)
    y = border ? v / 2 : v / 2 - 1;
  else
    y = border ? v - 2 : v - 1;
  setPosition(Vector(x, y));
  location = new_location;
  setModified(LOCATION);
}

ViewObjectLocation ViewObject::getLocation() const { return location; }

}  // namespace vt
