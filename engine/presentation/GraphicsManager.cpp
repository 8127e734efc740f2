#include "presentation/GraphicsManager.h"

#include <SFML/Window/VideoMode.hpp>
#include <algorithm>

#include "core/Config.h"
#include "core/LogManager.h"
#include "presentation/Display.h"
#include "presentation/SfmlConvert.h"
#include "world/Geometry.h"

namespace vt {

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

  if (!font.loadFromFile(config.getFontFile())) {
    // Closed again so that a later start-up tries afresh instead of
    // reporting "Already started." for a manager that never started.
    releaseWindow();
    log.writeLog("GraphicsManager::startUp(): Unable to load font from file '%s'.",
                 config.getFontFile().c_str());
    return -1;
  }

  p_rectangle = std::make_unique<sf::RectangleShape>(sf::Vector2f(charWidth(), charHeight()));
  p_text = std::make_unique<sf::Text>();
  p_text->setFont(font);
  p_text->setStyle(sf::Text::Bold);
  p_text->setCharacterSize(glyphSize());
  background_color = colorToSFML(config.getWindowBackgroundColor());
  p_rectangle->setFillColor(background_color);
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
  p_text.reset();
  p_rectangle.reset();
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

  // The cell's background sits a little left of and below the glyph origin,
  // where the glyph's body lands.
  p_rectangle->setPosition(pixel_pos.getX() - charWidth() / 10,
                           pixel_pos.getY() + charHeight() / 5);
  p_window->draw(*p_rectangle);

  // CUSTOM and unknown colours have no components of their own: white.
  std::uint8_t red = 255, green = 255, blue = 255;
  colorToRGB(color, red, green, blue);
  p_text->setString(sf::String(ch));
  p_text->setFillColor(sf::Color(red, green, blue, 255));
  p_text->setPosition(pixel_pos.getX(), pixel_pos.getY());
  p_window->draw(*p_text);
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
  for (std::string::size_type i = 0; i < str.size(); i++)
    drawCh(Vector(start_x + static_cast<float>(i), world_pos.getY()), str[i], color);
  return 0;
}

int GraphicsManager::drawFrame(Vector world_pos, Frame frame, bool centered, Color color,
                               char transparent) {
  if (!isStarted()) {
    LogManager::getInstance().writeLog("%s not started!", getType().c_str());
    return -1;
  }
  const std::string str = frame.getString();
  if (str.empty()) return -1;

  int width = frame.getWidth();
  int height = frame.getHeight();
  int x_offset = centered ? width / 2 : 0;
  int y_offset = centered ? height / 2 : 0;
  for (int y = 0; y < height; y++) {
    for (int x = 0; x < width; x++) {
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
  p_window->display();
  p_window->clear(background_color);
  return 0;
}

sf::RenderWindow* GraphicsManager::getWindow() const { return p_window.get(); }

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
  if (!(size >= 0 && size < 65536)) return 0;
  return static_cast<unsigned>(size);
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
