#include "presentation/GraphicsManager.h"

#include <algorithm>

#include "core/Config.h"
#include "core/LogManager.h"
#include "presentation/Output.h"
#include "world/Geometry.h"

namespace vt {

namespace {
// How far past the window's edges a character may stand and still show:
// its glyph and background reach a little beyond its cell.
const float SHOWN_MARGIN = 2;

// The indexes of count characters in a line from origin (in window cells)
// that can show in a window of cells; false when none can.
bool shownRange(float origin, long count, int cells, long& first, long& last) {
  float low = -SHOWN_MARGIN - origin;
  float high = static_cast<float>(cells) + SHOWN_MARGIN - origin;
  if (!(low < high) || !(high > 0) || !(low < static_cast<float>(count))) return false;
  first = low < 0 ? 0 : static_cast<long>(low);
  last = high >= static_cast<float>(count) ? count - 1 : static_cast<long>(high);
  return first <= last;
}
}  // namespace

GraphicsManager::GraphicsManager()
    : window_horizontal_pixels(0),
      window_vertical_pixels(0),
      window_horizontal_chars(0),
      window_vertical_chars(0) {
  setType("GraphicsManager");
}

GraphicsManager::~GraphicsManager() = default;

GraphicsManager& GraphicsManager::getInstance() {
  static GraphicsManager instance;
  return instance;
}

int GraphicsManager::startUp() {
  LogManager& log = LogManager::getInstance();
  if (hasOutput()) {
    log.writeLog("GraphicsManager::startUp(): Already started.");
    return 0;
  }

  const Config& config = Config::getInstance();
  window_horizontal_pixels = config.getWindowHorizontalPixels();
  window_vertical_pixels = config.getWindowVerticalPixels();
  window_horizontal_chars = config.getWindowHorizontalChars();
  window_vertical_chars = config.getWindowVerticalChars();

  std::string display = config.getDisplay();
  p_output = makeOutput(display);
  if (!p_output)
    log.writeLog("GraphicsManager::startUp(): This build cannot show the picture in a %s.",
                 display.c_str());
  if (!p_output || !p_output->open()) {
    start_problem = p_output ? p_output->getProblem() : "";
    p_output.reset();
    return -1;
  }
  start_problem.clear();
  frame.resize(window_horizontal_chars, window_vertical_chars);
  shown.resize(window_horizontal_chars, window_vertical_chars);

  Manager::startUp();
  log.writeLog(1, "GraphicsManager::startUp(): successfully started.");
  return 0;
}

std::string GraphicsManager::getStartProblem() const { return start_problem; }

void GraphicsManager::shutDown() {
  if (p_output) p_output->close();
  p_output.reset();
  frame.clear();
  Manager::shutDown();
  LogManager::getInstance().writeLog(1, "GraphicsManager::shutDown(): successfully stopped.");
}

bool GraphicsManager::hasOutput() const { return p_output && p_output->isOpen(); }

int GraphicsManager::drawCh(Vector world_pos, char ch, Color color) {
  if (!isStarted()) {
    LogManager::getInstance().writeLog("%s not started!", getType().c_str());
    return -1;
  }
  if (!hasOutput()) return -1;
  Vector view_pos = worldToView(world_pos);
  frame.putChar(view_pos.getX(), view_pos.getY(), ch, color);
  return 0;
}

int GraphicsManager::drawString(Vector world_pos, std::string str, Justification just,
                                Color color) {
  if (!isStarted()) {
    LogManager::getInstance().writeLog("%s not started!", getType().c_str());
    return -1;
  }
  float start_x = world_pos.getX();
  switch (just) {
    case CENTER_JUSTIFIED:
      start_x -= static_cast<float>(str.size() / 2);
      break;
    case RIGHT_JUSTIFIED:
      start_x -= static_cast<float>(str.size());
      break;
    default:
      break;
  }
  // Only the characters the window can show cost anything.
  Vector origin = worldToView(Vector(start_x, world_pos.getY()));
  long first, last, row, unused;
  if (!shownRange(origin.getX(), static_cast<long>(str.size()), getHorizontal(), first, last) ||
      !shownRange(origin.getY(), 1, getVertical(), row, unused))
    return 0;
  for (long i = first; i <= last; i++)
    drawCh(Vector(start_x + static_cast<float>(i), world_pos.getY()),
           str[static_cast<std::size_t>(i)], color);
  return 0;
}

int GraphicsManager::drawFrame(Vector world_pos, Frame frame, bool centered, Color color,
                               char transparent) {
  if (!isStarted()) {
    LogManager::getInstance().writeLog("%s not started!", getType().c_str());
    return -1;
  }
  const std::string& str = frame.getString();
  if (str.empty()) return -1;

  int width = frame.getWidth();
  int height = frame.getHeight();
  int x_offset = centered ? width / 2 : 0;
  int y_offset = centered ? height / 2 : 0;
  // Only the rows and columns the window can show cost anything.
  Vector origin = worldToView(Vector(world_pos.getX() - static_cast<float>(x_offset),
                                     world_pos.getY() - static_cast<float>(y_offset)));
  long first_x, last_x, first_y, last_y;
  if (!shownRange(origin.getX(), width, getHorizontal(), first_x, last_x) ||
      !shownRange(origin.getY(), height, getVertical(), first_y, last_y))
    return 0;
  for (long y = first_y; y <= last_y; y++) {
    for (long x = first_x; x <= last_x; x++) {
      std::string::size_type index = static_cast<std::string::size_type>(y * width + x);
      // A frame whose string is shorter than its size draws what it has.
      if (index >= str.size()) return 0;
      char ch = str[index];
      if (transparent != '\0' && ch == transparent) continue;
      drawCh(Vector(world_pos.getX() + static_cast<float>(x - x_offset),
                    world_pos.getY() + static_cast<float>(y - y_offset)),
             ch, color);
    }
  }
  return 0;
}

int GraphicsManager::swapBuffers() {
  if (!isStarted()) {
    LogManager::getInstance().writeLog("%s not started!", getType().c_str());
    return -1;
  }
  if (!hasOutput()) return -1;
  p_output->present(frame);
  std::swap(frame, shown);
  frame.clear();
  return 0;
}

sf::RenderWindow* GraphicsManager::getWindow() const {
  sf::RenderWindow* p_window = peekWindow();
  if (p_window) p_output->flush(frame);
  return p_window;
}

sf::RenderWindow* GraphicsManager::peekWindow() const {
  return p_output ? p_output->getWindow() : nullptr;
}

const Screen& GraphicsManager::getScreen() const { return shown; }

int GraphicsManager::drawShape(const ScreenShape& shape) {
  if (!isStarted() || !hasOutput()) return -1;
  frame.putShape(shape);
  p_output->drawShape(frame);
  return 0;
}

Output* GraphicsManager::getOutput() const { return p_output.get(); }

void GraphicsManager::fitWindow(unsigned width, unsigned height) {
  if (p_output) p_output->fit(width, height);
}

Vector GraphicsManager::windowToPicture(int x, int y) const {
  if (!p_output) return Vector(static_cast<float>(x), static_cast<float>(y));
  return p_output->toPicture(x, y);
}

int GraphicsManager::getHorizontal() const { return window_horizontal_chars; }
int GraphicsManager::getVertical() const { return window_vertical_chars; }
int GraphicsManager::getHorizontalPixels() const { return window_horizontal_pixels; }
int GraphicsManager::getVerticalPixels() const { return window_vertical_pixels; }

float charWidth() {
  const GraphicsManager& graphics = GraphicsManager::getInstance();
  return static_cast<float>(graphics.getHorizontalPixels()) /
         static_cast<float>(graphics.getHorizontal());
}

float charHeight() {
  const GraphicsManager& graphics = GraphicsManager::getInstance();
  return static_cast<float>(graphics.getVerticalPixels()) /
         static_cast<float>(graphics.getVertical());
}

unsigned glyphSize() {
  float size = Config::getInstance().getFontScale() * std::min(charWidth(), charHeight());
  // Also false for NaN, before the sizes are known.
  if (!(size >= 0)) return 0;
  // Glyphs larger than that would only exhaust memory.
  return static_cast<unsigned>(std::min(size, MAX_GLYPH_PIXELS));
}

Vector spacesToPixels(Vector spaces) {
  return Vector(spaces.getX() * charWidth(), spaces.getY() * charHeight());
}

Vector pixelsToSpaces(Vector pixels) {
  Vector spaces(pixels.getX() / charWidth(), pixels.getY() / charHeight());
  LogManager::getInstance().writeLog(
      15, "pixelsToSpaces(): pixels (%.2f,%.2f) = spaces (%.2f,%.2f)",
      static_cast<double>(pixels.getX()), static_cast<double>(pixels.getY()),
      static_cast<double>(spaces.getX()), static_cast<double>(spaces.getY()));
  return spaces;
}

}  // namespace vt
