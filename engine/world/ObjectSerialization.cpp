// The object text format: what Object and ViewObject write of themselves as
// key:value items, and how a text is read back through their setters. Each
// reader is an ordered table of items; the order is the order of the
// lookups, the log lines and the setter calls.
#include <cstdio>

#include "core/LogManager.h"
#include "core/TextValue.h"
#include "resources/ResourceManager.h"
#include "resources/Sprite.h"
#include "world/Object.h"
#include "world/ObjectRegistry.h"
#include "world/ViewObject.h"

namespace vt {

namespace {

// How an item's value is shown in its log line.
enum class Shown { TEXT, QUOTED, INT, FLOAT, NUMBER, CHAR };

// What a reading gathers on its way: the text itself (for the items match()
// cuts short) and the box, applied only once every one of its items is read.
struct Reading {
  explicit Reading(const std::string& init_text) : text(init_text) {}
  const std::string& text;
  float box[4] = {0, 0, 0, 0};
  int box_items = 0;
};

template <typename Target>
struct ItemRule {
  const char* key;  ///< none: a step taken whatever the text holds
  Shown shown;
  void (*apply)(Target& target, const std::string& value, Reading& reading);
};

void logItem(const char* origin, const char* key, Shown shown, const std::string& value) {
  LogManager& log = LogManager::getInstance();
  switch (shown) {
    case Shown::TEXT:
      log.writeLog(10, "%s::deserialize(): %s is %s", origin, key, value.c_str());
      break;
    case Shown::QUOTED:
      log.writeLog(10, "%s::deserialize(): %s is '%s'", origin, key, value.c_str());
      break;
    case Shown::INT:
      log.writeLog(10, "%s::deserialize(): %s is %d", origin, key, readInt(value));
      break;
    case Shown::FLOAT:
      log.writeLog(10, "%s::deserialize(): %s is %.2f", origin, key,
                   static_cast<double>(readFloat(value)));
      break;
    case Shown::NUMBER:
      log.writeLog(10, "%s::deserialize(): %s is %s", origin, key,
                   numberText(readFloat(value)).c_str());
      break;
    case Shown::CHAR:
      log.writeLog(10, "%s::deserialize(): %s is '%c'", origin, key, value[0]);
      break;
  }
}

// Whether a number item's value is a finite float; one that is not (an
// infinity, NaN, past the float range) is refused with a message, so that
// the attribute keeps its value instead of taking 0.
bool isFiniteItem(const Object& o, const char* origin, const char* key, const std::string& value) {
  float ignored;
  if (readFloat(value, ignored)) return true;
  LogManager::getInstance().writeLog(
      "%s::deserialize(): Object %d (%s), %s '%s' is not a finite number.  Ignored.", origin,
      o.getId(), o.getType().c_str(), key, value.c_str());
  return false;
}

// Looks up each rule's item in the last parse; a present one is logged and
// applied, an absent one or a number that is not finite skipped.
template <typename Target, std::size_t N>
void applyRules(const char* origin, Target& target, const ItemRule<Target> (&rules)[N],
                Reading& reading) {
  for (const ItemRule<Target>& rule : rules) {
    std::string value;
    if (rule.key) {
      value = readItem(rule.key);
      if (value.empty()) continue;
      bool number = rule.shown == Shown::FLOAT || rule.shown == Shown::NUMBER;
      if (number && !isFiniteItem(target, origin, rule.key, value)) continue;
      logItem(origin, rule.key, rule.shown, value);
    }
    rule.apply(target, value, reading);
  }
}

template <int I>
void readBoxItem(Object&, const std::string& value, Reading& reading) {
  reading.box[I] = readFloat(value);
  reading.box_items++;
}

// The key of the index-th registered event type in an object's text.
std::string eventNameKey(int index) {
  char key[32];
  snprintf(key, sizeof key, "event_name[%d]", index);
  return key;
}

}  // namespace

std::string Object::serialize(bool all) {
  std::string text;
  if (all || modified[ID]) writeItem(text, "id", id);
  if (all || modified[ACTIVE]) writeItem(text, "is_active", is_active);
  if (all || modified[VISIBLE]) writeItem(text, "is_visible", is_visible);
  if (all || modified[EVENTS]) {
    writeItem(text, "event_count", getEventCount());
    for (int i = 0; i < getEventCount(); i++) writeItem(text, eventNameKey(i), event_name[i]);
  }
  if (all || modified[BOX]) {
    writeItem(text, "box-corner-x", box.getCorner().getX());
    writeItem(text, "box-corner-y", box.getCorner().getY());
    writeItem(text, "box-horizontal", box.getHorizontal());
    writeItem(text, "box-vertical", box.getVertical());
  }
  if (all || modified[POSITION]) {
    writeItem(text, "pos-x", position.getX());
    writeItem(text, "pos-y", position.getY());
  }
  if (all || modified[TYPE]) writeItem(text, "type", type);
  if (all || modified[SPRITE]) {
    writeItem(text, "sprite_name", sprite_name);
    writeItem(text, "sprite_center", sprite_center);
    writeItem(text, "sprite_transparency", sprite_transparency);
    writeItem(text, "sprite_index", sprite_index);
    writeItem(text, "sprite_slowdown", sprite_slowdown);
    writeItem(text, "sprite_slowdown_count", sprite_slowdown_count);
  }
  if (all || modified[ALTITUDE]) writeItem(text, "altitude", altitude);
  if (all || modified[SOLIDNESS]) writeItem(text, "solidness", static_cast<int>(solidness));
  if (all || modified[NO_SOFT]) writeItem(text, "no_soft", no_soft);
  // Direction goes before speed, whatever their flag order.
  if (all || modified[DIRECTION]) {
    writeItem(text, "x_direction", direction.getX());
    writeItem(text, "y_direction", direction.getY());
  }
  if (all || modified[SPEED]) writeItem(text, "speed", speed);
  if (all || modified[ACCELERATION]) {
    writeItem(text, "x_acceleration", acceleration.getX());
    writeItem(text, "y_acceleration", acceleration.getY());
  }
  for (bool& flag : modified) flag = false;
  return text;
}

int Object::deserialize(std::string text) {
  using Rule = ItemRule<Object>;
  static const Rule RULES[] = {
      {"id", Shown::INT,
       [](Object& o, const std::string& v, Reading&) {
         o.id = readInt(v);
         noteObject(&o, o.id);
         o.setModified(ID);
       }},
      {"is_active", Shown::TEXT,
       [](Object& o, const std::string& v, Reading&) { o.setActive(v == "true"); }},
      {"is_visible", Shown::TEXT,
       [](Object& o, const std::string& v, Reading&) { o.setVisible(v == "true"); }},
      {"event_count", Shown::INT,
       [](Object& o, const std::string& v, Reading& reading) {
         for (int i = o.getEventCount() - 1; i >= 0; i--) o.unregisterInterest(o.event_name[i]);
         // No object holds more types than the limit, and a huge count must
         // not turn into that many lookups.
         int count = readInt(v);
         for (int i = 0; i < count && i < MAX_OBJ_EVENTS; i++) {
           std::string event_type = readWholeItem(reading.text, eventNameKey(i));
           if (event_type.empty()) continue;
           LogManager::getInstance().writeLog(10, "Object::deserialize(): event_name[%d] is '%s'",
                                              i, event_type.c_str());
           o.registerInterest(event_type);
         }
       }},
      {"sprite_name", Shown::QUOTED,
       [](Object& o, const std::string& v, Reading&) {
         Sprite* p_found = ResourceManager::getInstance().getSprite(v);
         if (p_found)
           o.setSprite(p_found);
         else
           LogManager::getInstance().writeLog(
               "Object::Match(): Object %d (%s), Sprite '%s' not found", o.id, o.type.c_str(),
               v.c_str());
         // A missing sprite still leaves its name, for whoever loads it later.
         if (o.sprite_name != v) {
           o.sprite_name = v;
           o.setModified(SPRITE);
         }
       }},
      // The box is applied after sprite_center, which would otherwise
      // recompute it from the sprite and lose the one the text carries.
      {"box-corner-x", Shown::NUMBER, readBoxItem<0>},
      {"box-corner-y", Shown::NUMBER, readBoxItem<1>},
      {"box-horizontal", Shown::NUMBER, readBoxItem<2>},
      {"box-vertical", Shown::NUMBER, readBoxItem<3>},
      {nullptr, Shown::TEXT,
       [](Object&, const std::string&, Reading& reading) {
         if (reading.box_items < 4)
           LogManager::getInstance().writeLog(
               10, "Object::deserialize(): box not complete, so ignoring.");
       }},
      {nullptr, Shown::TEXT,
       [](Object& o, const std::string&, Reading&) {
         // Both halves are looked up before either is logged; one that is
         // not finite keeps its coordinate.
         std::string x = readItem("pos-x");
         std::string y = readItem("pos-y");
         auto take = [&o](const char* key, const std::string& value) {
           if (value.empty() || !isFiniteItem(o, "Object", key, value)) return false;
           logItem("Object", key, Shown::NUMBER, value);
           return true;
         };
         bool take_x = take("pos-x", x);
         bool take_y = take("pos-y", y);
         Vector at = o.getPosition();
         if (x.empty() || y.empty())
           LogManager::getInstance().writeLog(
               10, "Object::deserialize(): position not complete, so ignoring.");
         else if (take_x || take_y)
           o.setPosition(
               Vector(take_x ? readFloat(x) : at.getX(), take_y ? readFloat(y) : at.getY()));
       }},
      {"type", Shown::TEXT, [](Object& o, const std::string& v, Reading&) { o.setType(v); }},
      {"sprite_center", Shown::TEXT,
       [](Object& o, const std::string& v, Reading&) { o.setCentered(v == "true"); }},
      {nullptr, Shown::TEXT,
       [](Object& o, const std::string&, Reading& reading) {
         if (reading.box_items == 4)
           o.setBox(Box(Vector(reading.box[0], reading.box[1]), reading.box[2], reading.box[3]));
       }},
      {"sprite_transparency", Shown::CHAR,
       [](Object& o, const std::string& v, Reading&) {
         // "0" is how the zero char (no transparency) is written.
         o.setTransparency(v == "0" ? '\0' : v[0]);
       }},
      {"sprite_index", Shown::INT,
       [](Object& o, const std::string& v, Reading&) { o.setSpriteIndex(readInt(v)); }},
      {"sprite_slowdown", Shown::INT,
       [](Object& o, const std::string& v, Reading&) { o.setSpriteSlowdown(readInt(v)); }},
      {"sprite_slowdown_count", Shown::INT,
       [](Object& o, const std::string& v, Reading&) { o.setSpriteSlowdownCount(readInt(v)); }},
      {"altitude", Shown::INT,
       [](Object& o, const std::string& v, Reading&) { o.setAltitude(readInt(v)); }},
      {"solidness", Shown::INT,
       [](Object& o, const std::string& v, Reading&) {
         o.setSolidness(static_cast<Solidness>(readInt(v)));
       }},
      {"no_soft", Shown::TEXT,
       [](Object& o, const std::string& v, Reading&) { o.setNoSoft(v == "true"); }},
      // Direction and speed are taken as written: a line that changes only
      // the direction keeps the speed the object has.
      {"x_direction", Shown::FLOAT,
       [](Object& o, const std::string& v, Reading&) {
         o.setDirection(Vector(readFloat(v), o.direction.getY()));
       }},
      {"y_direction", Shown::FLOAT,
       [](Object& o, const std::string& v, Reading&) {
         o.setDirection(Vector(o.direction.getX(), readFloat(v)));
       }},
      {"speed", Shown::FLOAT,
       [](Object& o, const std::string& v, Reading&) { o.setSpeed(readFloat(v)); }},
      {"x_acceleration", Shown::FLOAT,
       [](Object& o, const std::string& v, Reading&) {
         o.setAcceleration(Vector(readFloat(v), o.acceleration.getY()));
       }},
      {"y_acceleration", Shown::FLOAT,
       [](Object& o, const std::string& v, Reading&) {
         o.setAcceleration(Vector(o.acceleration.getX(), readFloat(v)));
       }},
  };
  // An empty text parses nothing, so it must not be looked up in an older parse.
  if (text.empty()) return 0;
  match(text, "");
  Reading reading(text);
  applyRules("Object", *this, RULES, reading);
  return 0;
}

std::string ViewObject::serialize(bool all) {
  std::string text = Object::serialize(all);
  if (all || modified[VIEW_STRING]) writeItem(text, "view_string", view_string);
  if (all || modified[VALUE]) writeItem(text, "value", value);
  if (all || modified[BORDER]) writeItem(text, "border", border);
  if (all || modified[COLOR]) writeItem(text, "color", static_cast<int>(color));
  if (all || modified[LOCATION]) writeItem(text, "location", static_cast<int>(location));
  if (all || modified[DRAW_VALUE]) writeItem(text, "draw_value", draw_value);
  for (bool& flag : modified) flag = false;
  return text;
}

int ViewObject::deserialize(std::string text) {
  using Rule = ItemRule<ViewObject>;
  static const Rule RULES[] = {
      {"view_string", Shown::TEXT,
       [](ViewObject& o, const std::string& v, Reading&) { o.setViewString(v); }},
      {"value", Shown::INT,
       [](ViewObject& o, const std::string& v, Reading&) { o.setValue(readInt(v)); }},
      {"border", Shown::TEXT,
       [](ViewObject& o, const std::string& v, Reading&) { o.setBorder(v == "true"); }},
      {"color", Shown::INT,
       [](ViewObject& o, const std::string& v, Reading&) {
         // Only the named colours are values a Color can hold.
         int new_color = readInt(v);
         if (new_color >= BLACK && new_color <= CUSTOM) o.setColor(static_cast<Color>(new_color));
       }},
      {"location", Shown::INT,
       [](ViewObject& o, const std::string& v, Reading&) {
         o.setLocation(static_cast<ViewObjectLocation>(readInt(v)));
       }},
      {"draw_value", Shown::TEXT,
       [](ViewObject& o, const std::string& v, Reading&) { o.setDrawValue(v == "true"); }},
  };
  Object::deserialize(text);
  if (text.empty()) return 0;
  // The lookups reuse the parse the object's part made.
  Reading reading(text);
  applyRules("ViewObject", *this, RULES, reading);
  return 0;
}

}  // namespace vt
