#include "ArenaStore.h"

#include <vector>

#include "ArenaPlan.h"
#include "Target.h"
#include "Walker.h"
#include "core/FileAccess.h"
#include "core/LogManager.h"
#include "core/TextValue.h"
#include "world/ObjectListIterator.h"
#include "world/WorldManager.h"

namespace {

bool isSaved(const vt::Object* p_o) {
  return p_o->getType() == "Walker" || p_o->getType() == "Target";
}

}  // namespace

int saveArena(const std::string& filename) {
  // Written to a new file beside it and then renamed over it, so that a
  // failed write does not cost the last good save.
  vt::LogManager& log = vt::LogManager::getInstance();
  vt::ReplacingFile file;
  std::string reason = file.open(filename);
  int count = 0;
  // Inactive ones too: they are part of the arena as much as the others.
  vt::ObjectList objects = vt::WorldManager::getInstance().getAllObjects(true);
  for (vt::ObjectListIterator it(&objects); reason.empty() && !it.isDone(); it.next())
    if (isSaved(it.currentObject()) &&
        !vt::WorldManager::getInstance().isMarkedForDelete(it.currentObject())) {
      file.stream() << it.currentObject()->serialize(true) << '\n';
      count++;
    }
  if (reason.empty()) reason = file.commit();
  if (!reason.empty()) {
    log.writeLog("saveArena(): Cannot write '%s': %s.", filename.c_str(), reason.c_str());
    return -1;
  }
  log.writeLog("saveArena(): %d objects saved to '%s'.", count, filename.c_str());
  return count;
}

namespace {

// Why a line of a saved arena cannot be loaded; empty when it can.
std::string fault(const std::string& line) {
  std::string type = vt::match(line, "type");
  if (type != "Walker" && type != "Target") return "holds no walker or target";
  // Outside the walls every click would go to it, and no way lead there.
  auto at = [](const char* x, const char* y) {
    return vt::Vector(vt::readFloat(vt::readItem(x)), vt::readFloat(vt::readItem(y)));
  };
  if (!insideWalls(at("pos-x", "pos-y"))) return "stands outside the arena's walls";
  if (vt::readItem("has_target") == "true" && !insideWalls(at("target-x", "target-y")))
    return "heads outside the arena's walls";
  // A box without extent never meets the cells of a path.
  for (const char* key : {"box-horizontal", "box-vertical"}) {
    std::string extent = vt::readItem(key);
    if (!extent.empty() && !(vt::readFloat(extent) > 0)) return "has a box without extent";
  }
  return "";
}

}  // namespace

int loadArena(const std::string& filename) {
  vt::LogManager& log = vt::LogManager::getInstance();
  vt::ReadFile file;
  std::string reason = file.open(filename, MAX_ARENA_BYTES);
  if (!reason.empty()) {
    log.writeLog("loadArena(): Cannot read '%s': %s.", filename.c_str(), reason.c_str());
    return -1;
  }
  // The whole file is checked before the arena changes at all.
  std::vector<std::string> lines;
  int walkers = 0, number = 0;
  for (std::string line; std::getline(file.stream(), line);) {
    number++;
    if (line.empty()) continue;
    std::string why = fault(line);
    if (!why.empty()) {
      log.writeLog("loadArena(): Line %d of '%s' %s.  Nothing loaded.", number, filename.c_str(),
                   why.c_str());
      return -1;
    }
    walkers += vt::match(line, "type") == "Walker";
    lines.push_back(line);
  }
  if (file.overCap()) {
    log.writeLog("loadArena(): '%s' holds more than %d bytes.  Nothing loaded.", filename.c_str(),
                 static_cast<int>(MAX_ARENA_BYTES));
    return -1;
  }
  if (walkers == 0) {
    log.writeLog("loadArena(): No walker in '%s'.  Nothing loaded.", filename.c_str());
    return -1;
  }

  // The old objects leave at the end of the next update; until then they
  // are inactive, so that nothing counts, draws or collides with them.
  vt::WorldManager& world = vt::WorldManager::getInstance();
  vt::ObjectList objects = world.getAllObjects(true);
  for (vt::ObjectListIterator it(&objects); !it.isDone(); it.next())
    if (isSaved(it.currentObject())) {
      it.currentObject()->setActive(false);
      world.markForDelete(it.currentObject());
    }

  for (const std::string& line : lines) {
    if (vt::match(line, "type") == "Walker") {
      auto* p_walker = new Walker;
      p_walker->deserialize(withoutId(line));
      p_walker->resume();
    } else {
      (new Target)->deserialize(withoutId(line));
    }
  }
  log.writeLog("loadArena(): %d objects loaded from '%s'.", static_cast<int>(lines.size()),
               filename.c_str());
  return static_cast<int>(lines.size());
}

std::string withoutId(const std::string& text) {
  // Items are "key:value," one after another; the id item is the one whose
  // key, at the start of the text or after a comma, is "id".
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find(',', at);
    if (end == std::string::npos) end = text.size() - 1;
    if (text.compare(at, 3, "id:") == 0) return text.substr(0, at) + text.substr(end + 1);
    at = end + 1;
  }
  return text;
}
