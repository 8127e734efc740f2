// The short pieces of code the guide shows within its text, each inside a
// function here so that it compiles with the other samples.
#include "vantle.h"

int countCoins() {
  int coins = 0;
  vt::ObjectList objects = vt::WorldManager::getInstance().getAllObjects();
  for (vt::ObjectListIterator it(&objects); !it.isDone(); it.next())
    if (it.currentObject()->getType() == "Coin") coins++;
  return coins;
}

void fitToCell(vt::Object* p_object) {
  p_object->setBox(vt::Box(vt::Vector(-0.5f, -0.5f), 0.99f, 0.99f));
}

void markWithCircle(vt::Object* p_object) {
  vt::Shape shape;
  shape.setType(vt::CIRCLE);
  shape.setColor(vt::GREEN);  // or CUSTOM, with setR, setG and setB
  shape.setSize(8);           // pixels
  p_object->setShape(shape);
}

void logSomething(int coins, float x, float y) {
  vt::LogManager& log = vt::LogManager::getInstance();
  log.writeLog("Hero::eventHandler(): %d coins", coins);  // always written
  log.writeLog(5, "Hero::step(): at (%g, %g)", x, y);     // only at log level 5 or more
  log.setLogLevel(5);
  log.setFlush(true);  // every line reaches the file at once
}

void clickAndRunOneFrame() {
  vt::EventMouse click;
  click.setMouseAction(vt::CLICKED);
  click.setMouseButton(vt::Mouse::LEFT);
  click.setMousePosition(vt::Vector(30.5f, 8.5f));  // window cells
  vt::InputManager::getInstance().onEvent(&click);

  vt::GameManager::getInstance().runFrame();
}

bool heroShownAt(int column, int row) {
  const vt::Screen& screen = vt::GraphicsManager::getInstance().getScreen();
  std::string text = screen.getRow(row);  // a blank for each cell left empty
  vt::Screen::Cell cell = screen.getCell(column, row);
  return text.find("Level 1") != std::string::npos && cell.ch == '@' && cell.color == vt::CYAN;
}

int takeOptions(int argc, char** argv, int (*usage)()) {
  for (int i = 1; i < argc; i++)
    if (!vt::takeDisplayOption(argv[i])) return usage();
  return 0;
}
