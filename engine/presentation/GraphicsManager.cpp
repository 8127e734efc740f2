#include "presentation/GraphicsManager.h"

#include <SFML/Window/VideoMode.hpp>
#include <algorithm>

#include "core/Config.h"
#include "core/LogManager.h"
#include "presentation/Display.h"
#include "presentation/SfmlConvert.h"
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
  if (p_window) {
    log.writeLog("GraphicsManager::startUp(): Already started.");
    return 0;
  }

  const Config& config = Config::getInstance();
  window_horizontal_pixels = config.getWindowHorizontalPixels();
  window_vertical_pixels = config.getWindowVerticalPixels();
  window_horizontal_chars = config.getWindowHorizontalChars();
  window_vertical_chars = config.getWindowVerticalChars();

  if (openWindow() != 0) {
    log.writeLog("GraphicsLayer::startUp(): Unable to alloate window!");
    return -1;
  }
  p_window->setMouseCursorVisible(config.getShowMouse());
  p_window->setVerticalSyncEnabled(true);

  // A font that is a pipe or a device would hold the start-up forever. The
  // font before reads its own file until it is replaced, or dropped.
  auto p_new_font_file = std::make_unique<FileStream>();
  bool font_opened = p_new_font_file->open(config.getFontFile(), MAX_FONT_BYTES).empty();
  if (!font_opened) font = sf::Font();
  bool font_loaded = font_opened && font.loadFromStream(*p_new_font_file);
  p_font_file = std::move(p_new_font_file);
  if (!font_loaded) {
    // Closed again so that a later start-up tries afresh instead of
    // reporting "Already started." for a manager that never started.
    releaseWindow();
    log.writeLog("GraphicsManager::startUp(): Unable to load font from file '%s'.",
                 config.getFontFile().c_str());
    return -1;
  }

  background_color = colorToSFML(config.getWindowBackgroundColor());
  batch.setUp(&font, glyphSize(), charWidth(), charHeight(), background_color);
  // The window may not have the size asked for.
  fitWindow(p_window->getSize().x, p_window->getSize().y);
  // The first picture is otherwise drawn over whatever the new buffer holds.
  p_window->clear(background_color);

  Manager::startUp();
  log.writeLog(1, "GraphicsManager::startUp(): successfully started.");
  return 0;
}

int GraphicsManager::openWindow() {
  LogManager& log = LogManager::getInstance();
  const Config& config = Config::getInstance();
  // A size SFML cannot make a window of, or no cells to divide it into, fails
  // like a missing display does; SFML would abort the process on the latter.
  // The connection is held until SFML has its own.
  DisplayConnection display;
  if (window_horizontal_pixels <= 0 || window_vertical_pixels <= 0 ||
      window_horizontal_chars <= 0 || window_vertical_chars <= 0 || !display.isOpen())
    return -1;

  sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
  log.writeLog(5, "GraphicsManager::startUp(): Window resolution (%d, %d) pixels",
               static_cast<int>(desktop.width), static_cast<int>(desktop.height));

  p_window = std::make_unique<sf::RenderWindow>(
      sf::VideoMode(static_cast<unsigned>(window_horizontal_pixels),
                    static_cast<unsigned>(window_vertical_pixels), 32),
      sf::String(config.getWindowTitle()), static_cast<sf::Uint32>(config.getWindowStyle()),
      sf::ContextSettings());
  if (!p_window->isOpen()) {
    p_window.reset();
    return -1;
  }
  return 0;
}

void GraphicsManager::shutDown() {
  releaseWindow();
  batch.setUp(nullptr, 0, 1, 1, background_color);
  Manager::shutDown();
  LogManager::getInstance().writeLog(1, "GraphicsManager::shutDown(): successfully stopped.");
}

void GraphicsManager::releaseWindow() {
  if (!p_window) return;
  p_window->close();
  p_window.reset();
}

int GraphicsManager::drawCh(Vector world_pos, char ch, Color color) {
  if (!isStarted()) {
    LogManager::getInstance().writeLog("%s not started!", getType().c_str());
    return -1;
  }
  if (!p_window) return -1;

  Vector pixel_pos = spacesToPixels(worldToView(world_pos));
  // CUSTOM and unknown colours have no components of their own: white.
  std::uint8_t red = 255, green = 255, blue = 255;
  colorToRGB(color, red, green, blue);
  batch.add(pixel_pos.getX(), pixel_pos.getY(), ch, sf::Color(red, green, blue, 255));
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
  if (!p_window) return -1;
  batch.flush(*p_window);
  p_window->display();
  p_window->clear(background_color);
  return 0;
}

sf::RenderWindow* GraphicsManager::getWindow() const {
  if (p_window) batch.flush(*p_window);
  return p_window.get();
}

CellBatch& GraphicsManager::getBatch() const { return batch; }

void GraphicsManager::fitWindow(unsigned width, unsigned height) {
  if (!p_window || width == 0 || height == 0) return;
  float picture_width = static_cast<float>(window_horizontal_pixels);
  float picture_height = static_cast<float>(window_vertical_pixels);
  float scale = std::min(static_cast<float>(width) / picture_width,
                         static_cast<float>(height) / picture_height);
  float shown_width = picture_width * scale / static_cast<float>(width);
  float shown_height = picture_height * scale / static_cast<float>(height);
  sf::View view(sf::FloatRect(0, 0, picture_width, picture_height));
  view.setViewport(
      sf::FloatRect((1 - shown_width) / 2, (1 - shown_height) / 2, shown_width, shown_height));
  p_window->setView(view);
}

Vector GraphicsManager::windowToPicture(int x, int y) const {
  sf::IntRect shown = p_window ? p_window->getViewport(p_window->getView()) : sf::IntRect();
  if (shown.width <= 0 || shown.height <= 0)
    return Vector(static_cast<float>(x), static_cast<float>(y));
  // Whole numbers throughout while the picture fills the window as made.
  return Vector(static_cast<float>(x - shown.left) * static_cast<float>(window_horizontal_pixels) /
                    static_cast<float>(shown.width),
                static_cast<float>(y - shown.top) * static_cast<float>(window_vertical_pixels) /
                    static_cast<float>(shown.height));
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
