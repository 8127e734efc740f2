// Serializing objects: crates written to a text file, one line each, then
// made again from it. A crate adds an attribute of its own to the line.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "vantle.h"

class Crate : public vt::Object {
 public:
  Crate() { setType("Crate"); }

  void setWeight(int new_weight) {
    weight = new_weight;
    weight_modified = true;
  }
  int getWeight() const { return weight; }

  // The object's items first, then the crate's own.
  std::string serialize(bool all = false) override {
    std::string text = Object::serialize(all);
    if (all || weight_modified) vt::writeItem(text, "weight", weight);
    weight_modified = false;
    return text;
  }

  int deserialize(std::string text) override {
    Object::deserialize(text);
    vt::match(text, "");  // parse the text again before reading items from it
    std::string value = vt::readItem("weight");
    if (!value.empty()) setWeight(vt::readInt(value));
    return 0;
  }

 private:
  int weight = 1;
  bool weight_modified = true;
};

/// Every crate in the world, as lines of serialize(true).
std::vector<std::string> crateLines() {
  std::vector<std::string> lines;
  vt::ObjectList objects = vt::WorldManager::getInstance().getAllObjects();
  for (vt::ObjectListIterator it(&objects); !it.isDone(); it.next())
    if (it.currentObject()->getType() == "Crate")
      lines.push_back(it.currentObject()->serialize(true));
  return lines;
}

int save(const std::string& filename) {
  std::ofstream file(filename);
  for (const std::string& line : crateLines()) file << line << '\n';
  file.close();
  return file ? 0 : -1;
}

/// The number of crates made from the file, -1 if it cannot be read.
int load(const std::string& filename) {
  std::ifstream file(filename);
  if (!file) return -1;
  int count = 0;
  for (std::string line; std::getline(file, line);) {
    if (vt::match(line, "type") != "Crate") continue;
    (new Crate)->deserialize(line);  // the line's id replaces the new crate's
    count++;
  }
  return count;
}

int main() {
  vt::GameManager& game = vt::GameManager::getInstance();
  if (game.startUp() != 0) {
    game.shutDown();
    return 1;
  }
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setBoundary(vt::Box(vt::Vector(0, 0), 80, 24));
  auto* p_light = new Crate;
  p_light->setPosition(vt::Vector(3, 4));
  auto* p_heavy = new Crate;
  p_heavy->setPosition(vt::Vector(10, 4));
  p_heavy->setWeight(40);
  p_heavy->setAltitude(3);

  std::vector<std::string> saved = crateLines();
  if (save("crates.txt") != 0) return 1;
  p_heavy->setSpeed(0.5f);
  std::printf("changed since: %s\n", p_heavy->serialize().c_str());  // "speed:0.5,"

  world.markForDelete(p_light);
  world.markForDelete(p_heavy);
  world.update();  // deletes the marked objects
  int count = load("crates.txt");
  std::printf("loaded %d crates\n", count);
  bool same = crateLines() == saved;
  std::printf("%s\n", same ? "the same as saved" : "NOT the same as saved");
  game.shutDown();
  return same ? 0 : 1;
}
