// Feeds arbitrary text to Object::deserialize and ViewObject::deserialize on
// live objects of a started world, then runs frames of that world with
// them: whatever the text sets must be safe to move, draw and count with,
// and stay finite. What an object writes of itself then, a fresh object
// reads back to the same text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "vantle.h"

namespace {

const vt::Box BOUNDARY(vt::Vector(0, 0), 125, 100);
const vt::Box VIEW(vt::Vector(0, 0), 75, 20);

// Sprites that a text's sprite_name can name.
const char* const SPRITES[][2] = {
    {"hero", "frames 2\nwidth 3\nheight 2\ncolor yellow\n.o.\n-+-\nend\n(o)\n| |\nend\neof\n"},
    {"key", "frames 4\nwidth 1\nheight 1\ncolor yellow\nk\nend\nK\nend\n*\nend\nK\nend\neof\n"},
};

template <typename T>
void checkRoundTrip(T* p_o) {
  std::string once = p_o->serialize(true);
  T* p_copy = new T;
  p_copy->deserialize(once);
  FUZZ_CHECK_EQ(p_copy->serialize(true), once);
  delete p_copy;
}

// The scene graph lists the object exactly where its attributes say.
void checkSceneGraph(const vt::Object* p_o) {
  vt::SceneGraph& graph = vt::WorldManager::getInstance().getSceneGraph();
  bool active = p_o->isActive();
  FUZZ_CHECK(graph.activeObjects().contains(p_o) == active);
  FUZZ_CHECK(graph.inactiveObjects().contains(p_o) == !active);
  FUZZ_CHECK(graph.solidObjects().contains(p_o) == (active && p_o->isSolid()));
  for (int altitude = vt::MIN_ALTITUDE; altitude <= vt::MAX_ALTITUDE; altitude++)
    FUZZ_CHECK(graph.visibleObjects(altitude).contains(p_o) ==
               (active && p_o->isVisible() && p_o->getAltitude() == altitude));
}

// Place and motion stay finite, whatever the text and the frames did.
void checkFinite(const vt::Object* p_o) {
  for (vt::Vector v : {p_o->getPosition(), p_o->getDirection(), p_o->getAcceleration(),
                       vt::Vector(p_o->getSpeed(), 0)})
    FUZZ_CHECK(std::isfinite(v.getX()) && std::isfinite(v.getY()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Level 10 formats every deserialization message.
  vt_fuzz::startQuietEngine(10);
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  resources.startUp();
  for (const auto& sprite : SPRITES) {
    std::string path = vt_fuzz::workPath(std::string(sprite[0]) + ".txt");
    vt_fuzz::writeFile(path, sprite[1]);
    if (resources.loadSprite(path, sprite[0]) != 0)
      vt_fuzz::fail(__FILE__, __LINE__, std::string("cannot load sprite ") + sprite[0]);
  }
  vt::WorldManager::getInstance().startUp();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text = vt_fuzz::textOf(data, size);
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setBoundary(BOUNDARY);
  world.setView(VIEW);
  world.setViewSlack(vt::Vector(1.0f / 3.0f, 1.0f / 3.0f));

  // A bystander in the middle of the world for the others to run into.
  vt::Object* p_wall = new vt::Object;
  p_wall->setPosition(vt::Vector(60, 50));
  vt::Object* p_object = new vt::Object;
  vt::ViewObject* p_view_object = new vt::ViewObject;
  p_object->deserialize(text);
  p_view_object->deserialize(text);

  checkSceneGraph(p_object);
  checkSceneGraph(p_view_object);

  // Frames of the world, as the game loop runs them, with the view
  // following: motions compound, and must stay finite.
  world.setViewFollowing(p_object);
  for (int frame = 0; frame < 30; frame++) {
    world.update();
    world.draw();
    vt::EventStep step(frame);
    vt::GameManager::getInstance().onEvent(&step);
    // Displays are counted up and down by their tag.
    vt::EventView up(p_view_object->getViewString(), 1, true);
    vt::EventView down(p_view_object->getViewString(), -1, true);
    world.onEvent(&up);
    world.onEvent(&down);
    world.onEvent(&down);
  }
  checkSceneGraph(p_object);
  checkSceneGraph(p_view_object);
  checkFinite(p_object);
  checkFinite(p_view_object);
  checkRoundTrip(p_object);
  checkRoundTrip(p_view_object);

  world.setViewFollowing(nullptr);
  delete p_view_object;
  delete p_object;
  delete p_wall;
  return 0;
}
