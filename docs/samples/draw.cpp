// Drawing by hand: a gauge that draws its frame, its bar and its caption
// itself, and a status line in a window row the view leaves free. The game
// ends by itself after two seconds of frames.
#include <string>

#include "vantle.h"

/// Window rows above the view, kept for the status line.
const int STATUS_ROWS = 2;

class Gauge : public vt::Object {
 public:
  Gauge() {
    setType("Gauge");
    setSolidness(vt::SPECTRAL);
    setPosition(vt::Vector(10, 5));  // the gauge's top-left corner, in world cells
    // Big enough to stay in view: only objects whose box meets the view are drawn.
    setBox(vt::Box(vt::Vector(0, 0), 22, 4));
    registerInterest(vt::STEP_EVENT);
  }

  int eventHandler(const vt::Event* p_e) override {
    if (p_e->getType() != vt::STEP_EVENT) return Object::eventHandler(p_e);
    int step = static_cast<const vt::EventStep*>(p_e)->getStepCount();
    fuel = 20 - step % 21;
    if (step == 59) {
      vt::LogManager::getInstance().writeLog("Gauge::eventHandler(): Drawn for 60 frames.");
      vt::GameManager::getInstance().setGameOver();
    }
    return 1;
  }

  // The world manager calls draw() once a frame instead of drawing a sprite.
  // Positions are world cells; a drawn blank hides what was drawn before it.
  void draw() override {
    vt::GraphicsManager& graphics = vt::GraphicsManager::getInstance();
    vt::Vector at = getPosition();
    // From its top-left corner (not centred), its dots left out.
    vt::Frame box(22, 3,
                  "+--------------------+"
                  "|....................|"
                  "+--------------------+");
    graphics.drawFrame(at, box, false, vt::BLUE, '.');
    for (int i = 0; i < fuel; i++) graphics.drawCh(at + vt::Vector(1.0f + i, 1), '#', vt::GREEN);
    graphics.drawString(at + vt::Vector(11, 3), "fuel " + std::to_string(fuel * 5) + "%",
                        vt::CENTER_JUSTIFIED, vt::YELLOW);
  }

 private:
  int fuel = 20;
};

int main() {
  vt::GameManager& game = vt::GameManager::getInstance();
  if (game.startUp() != 0) return game.abandonStartUp("draw");
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setBoundary(vt::Box(vt::Vector(0, 0), 200, 100));
  // The view fills the window below the status rows, and is drawn there.
  world.setView(vt::Box(vt::Vector(0, 0), 80, 24 - STATUS_ROWS));
  world.setViewPlacement(vt::Vector(0, STATUS_ROWS));

  // View objects stand at window cells, so row 0 is the status line's
  // whatever part of the world the view shows.
  auto* p_status = new vt::ViewObject;
  p_status->setViewString("Status: all well");
  p_status->setDrawValue(false);
  p_status->setBorder(false);
  p_status->setPosition(vt::Vector(40, 0));

  new Gauge;
  game.run();
  game.shutDown();
  return 0;
}
