// An object of the head-up display: a label, optionally followed by a number
// and framed, drawn at a fixed place of the window. Its position is in view
// coordinates, so it stays put while the view scrolls, and it never collides.
#pragma once

#include <string>

#include "presentation/Color.h"
#include "world/Object.h"

namespace vt {

/// Index of each view-object attribute's modified flag.
enum ViewObjectAttribute : int {
  VIEW_STRING = 0,
  VALUE,
  BORDER,
  COLOR,
  LOCATION,
  DRAW_VALUE,
};

const int VIEW_ATTRIBUTE_COUNT = 6;

/// The nine named places of the view; -1 after a direct setPosition.
enum ViewObjectLocation : int {
  UNDEFINED_LOCATION = -1,
  TOP_LEFT = 0,
  TOP_CENTER,
  TOP_RIGHT,
  CENTER_LEFT,
  CENTER_CENTER,
  CENTER_RIGHT,
  BOTTOM_LEFT,
  BOTTOM_CENTER,
  BOTTOM_RIGHT,
};

class ViewObject : public Object {
 public:
  /// A framed, white "0" at the top centre, SPECTRAL, at altitude 4.
  ViewObject();

  /// Places the object in view coordinates; the named location is dropped.
  void setPosition(Vector new_position) override;

  /// Takes "vt::view" events whose tag is the view string.
  int eventHandler(const Event* p_e) override;

  /// Draws the label, the number and the frame at the position in the view.
  void draw() override;

  /// The object's items followed by the view object's own; clears both
  /// sets of modified flags.
  std::string serialize(bool all = false) override;

  /// Applies the object's items, then the view object's own. Always 0.
  int deserialize(std::string text) override;

  using Object::isModified;
  bool isModified() const override;
  virtual bool isModified(ViewObjectAttribute attribute) const;

  void setViewString(std::string new_view_string);
  std::string getViewString() const;
  void setValue(int new_value);
  int getValue() const;
  void setColor(Color new_color);
  Color getColor() const;
  /// Shows or hides the number; not a tracked change.
  void setDrawValue(bool new_draw_value = true);
  bool getDrawValue() const;
  /// A framed object sits one row further in; a named location follows.
  void setBorder(bool new_border);
  bool getBorder() const;
  /// Moves to a named place of the current view; out-of-range is ignored.
  void setLocation(ViewObjectLocation new_location);
  ViewObjectLocation getLocation() const;

  /// The text drawn: label, number and the blanks the frame needs.
  std::string getText() const;

 protected:
  using Object::setModified;
  void setModified(ViewObjectAttribute attribute, bool new_modified = true);

 private:
  std::string view_string;
  int value;
  bool draw_value;
  bool border;
  Color color;
  ViewObjectLocation location;
  bool modified[VIEW_ATTRIBUTE_COUNT];
};

}  // namespace vt
