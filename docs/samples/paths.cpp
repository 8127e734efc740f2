// Finding and following a path: a seeker walks around a wall to a goal, and
// the game ends when it gets there. Shapes are the pictures: a triangle for
// the seeker, squares for the wall, a circle for the goal.
#include "vantle.h"

vt::Shape shapeOf(vt::ShapeType type, vt::Color color, float size) {
  vt::Shape shape;
  shape.setType(type);
  shape.setColor(color);
  shape.setSize(size);  // in pixels: a circle's radius, twice a triangle's or a square's
  return shape;
}

class Seeker : public vt::Object {
 public:
  explicit Seeker(vt::Vector start) {
    setType("Seeker");
    setPosition(start);
    setShape(shapeOf(vt::TRIANGLE, vt::YELLOW, 16));
    // SOFT: a HARD walker could snag on a wall's corner, as paths may
    // step diagonally past it. Path searches go around HARD objects only.
    setSolidness(vt::SOFT);
    setSpeed(0.5f);  // following a path only turns the object
    registerInterest(vt::STEP_EVENT);
  }

  int eventHandler(const vt::Event* p_e) override {
    if (p_e->getType() == vt::PATH_EVENT) {
      if (static_cast<const vt::EventPath*>(p_e)->getStatus() == vt::NOT_FOUND) {
        vt::LogManager::getInstance().writeLog("Seeker::eventHandler(): No way to the goal.");
        vt::GameManager::getInstance().setGameOver();
      }
      // The base follows a found path and deletes the finished search.
      return Object::eventHandler(p_e);
    }
    if (p_e->getType() == vt::STEP_EVENT) {
      // Neither searching nor walking any more: the goal is reached.
      if (!getPathFind() && !isPathFollowing()) {
        vt::LogManager::getInstance().writeLog("Seeker::eventHandler(): At the goal.");
        vt::GameManager::getInstance().setGameOver();
      }
      return 1;
    }
    return Object::eventHandler(p_e);
  }
};

int main() {
  vt::GameManager& game = vt::GameManager::getInstance();
  if (game.startUp() != 0) {
    game.shutDown();
    return 1;
  }
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setBoundary(vt::Box(vt::Vector(0, 0), 80, 24));  // the cells searches cross
  world.setView(vt::Box(vt::Vector(0, 0), 80, 24));

  for (int y = 3; y < 22; y++) {  // a HARD wall with a gap at the top and the bottom
    auto* p_wall = new vt::Object;
    p_wall->setType("Wall");
    p_wall->setPosition(vt::Vector(40, static_cast<float>(y)));
    p_wall->setShape(shapeOf(vt::SQUARE, vt::BLUE, 12));
  }
  vt::Vector goal(70, 12);
  auto* p_mark = new vt::Object;
  p_mark->setType("Goal");
  p_mark->setSolidness(vt::SPECTRAL);
  p_mark->setPosition(goal);
  p_mark->setShape(shapeOf(vt::CIRCLE, vt::GREEN, 8));

  auto* p_seeker = new Seeker(vt::Vector(10, 12));
  if (p_seeker->findPath(goal) != 0) {  // the search runs in the next frames
    game.shutDown();
    return 1;
  }
  game.run();
  game.shutDown();
  return 0;
}
