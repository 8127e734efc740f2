#include "presentation/window/WindowOutput.h"

#include <SFML/Window/VideoMode.hpp>
#include <algorithm>

#include "core/Config.h"
#include "core/LogManager.h"
#include "presentation/GraphicsManager.h"
#include "presentation/window/Display.h"
#include "presentation/window/SfmlConvert.h"
#include "resources/SfmlErrors.h"

namespace vt {

WindowOutput::WindowOutput()
    : input(&p_window),
      polygon(0.0f, 30),
      picture_width(0),
      picture_height(0),
      cell_width(1),
      cell_height(1),
      composing(true),
      chars_drawn(0),
      window_drawn(false) {}

WindowOutput::~WindowOutput() { close(); }

bool WindowOutput::open() {
  LogManager& log = LogManager::getInstance();
  const Config& config = Config::getInstance();
  sendSfmlErrorsToLog();
  problem.clear();
  if (!openWindow()) {
    log.writeLog("GraphicsLayer::startUp(): Unable to alloate window!");
    log.writeLog("GraphicsManager::startUp(): %s.", problem.c_str());
    return false;
  }
  p_window->setMouseCursorVisible(config.getShowMouse());
  p_window->setVerticalSyncEnabled(true);
  if (!loadFont(config.getFontFile())) {
    // Closed again so that a later start-up tries afresh instead of
    // reporting "Already started." for a manager that never started.
    close();
    problem = "the font '" + config.getFontFile() + "' could not be loaded";
    log.writeLog("GraphicsManager::startUp(): Unable to load font from file '%s'.",
                 config.getFontFile().c_str());
    return false;
  }
  // The window may not have the size asked for.
  fit(p_window->getSize().x, p_window->getSize().y);
  cell_width = charWidth();
  cell_height = charHeight();
  background = colorToSFML(config.getWindowBackgroundColor());
  batch.setUp(&font, glyphSize(), cell_width, cell_height, background);
  chars_drawn = 0;
  window_drawn = false;
  // The first picture is otherwise drawn over whatever the new buffer holds.
  p_window->clear(background);
  raster.setUp(*p_window, config.getWindowHorizontalChars(), config.getWindowVerticalChars(),
               cell_width, cell_height, background);
  return true;
}

std::string WindowOutput::getProblem() const { return problem; }

bool WindowOutput::loadFont(const std::string& file) {
  // A font that is a pipe or a device would hold the start-up forever. The
  // font before reads its own file until it is replaced, or dropped.
  auto p_new_font_file = std::make_unique<FileStream>();
  bool opened = p_new_font_file->open(file, MAX_FONT_BYTES).empty();
  if (!opened) font = sf::Font();
  bool loaded = opened && font.loadFromStream(*p_new_font_file);
  p_font_file = std::move(p_new_font_file);
  return loaded;
}

bool WindowOutput::openWindow() {
  const Config& config = Config::getInstance();
  picture_width = config.getWindowHorizontalPixels();
  picture_height = config.getWindowVerticalPixels();
  // A size SFML cannot make a window of, or no cells to divide it into,
  // fails like a missing display does; SFML would abort the process on the
  // latter. The connection is held until SFML has its own: SFML ends the
  // whole process without a display.
  DisplayConnection display;
  problem = display.problem();
  if (picture_width <= 0 || picture_height <= 0 || config.getWindowHorizontalChars() <= 0 ||
      config.getWindowVerticalChars() <= 0)
    problem = "the window has no pixels or no cells";
  if (!problem.empty()) return false;

  sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
  LogManager::getInstance().writeLog(
      5, "GraphicsManager::startUp(): Window resolution (%d, %d) pixels",
      static_cast<int>(desktop.width), static_cast<int>(desktop.height));
  p_window = std::make_unique<sf::RenderWindow>(
      sf::VideoMode(static_cast<unsigned>(picture_width), static_cast<unsigned>(picture_height), 32),
      sf::String(config.getWindowTitle()), static_cast<sf::Uint32>(config.getWindowStyle()),
      sf::ContextSettings());
  if (!p_window->isOpen()) {
    p_window.reset();
    problem = "the window could not be opened";
    return false;
  }
  return true;
}

void WindowOutput::close() {
  raster.close();
  batch.setUp(nullptr, 0, 1, 1, background);
  if (!p_window) return;
  p_window->close();
  p_window.reset();
}

bool WindowOutput::isOpen() const { return p_window != nullptr; }

InputSource& WindowOutput::getInput() { return input; }

sf::RenderWindow* WindowOutput::getWindow() const { return p_window.get(); }

void WindowOutput::flush(const Screen& frame) {
  if (!p_window) return;
  const std::vector<ScreenChar>& chars = frame.getChars();
  for (std::size_t i = chars_drawn; i < chars.size(); i++) {
    const ScreenChar& c = chars[i];
    // CUSTOM and unknown colours have no components of their own: white.
    std::uint8_t red = 255, green = 255, blue = 255;
    colorToRGB(c.color, red, green, blue);
    batch.add(c.x * cell_width, c.y * cell_height, c.ch, sf::Color(red, green, blue, 255));
  }
  chars_drawn = chars.size();
  // Over nothing but the background colour, backgrounds would change nothing.
  batch.flush(*p_window, window_drawn);
  window_drawn = true;
}

void WindowOutput::drawShape(const Screen& frame) {
  if (!p_window || frame.getShapes().empty()) return;
  flush(frame);
  const ScreenShape& shape = frame.getShapes().back();
  polygon.setPointCount(shape.point_count);
  polygon.setRadius(shape.radius);
  polygon.setRotation(shape.rotation);
  polygon.setPosition(shape.x, shape.y);
  polygon.setFillColor(sf::Color(shape.r, shape.g, shape.b, shape.a));
  p_window->draw(polygon);
}

bool WindowOutput::composesInMemory(const Screen& frame) const {
  if (!p_window || !composing || window_drawn) return false;
  sf::Vector2u size = p_window->getSize();
  // A resized window shows the picture scaled, which only its renderer does.
  return static_cast<int>(size.x) == picture_width && static_cast<int>(size.y) == picture_height &&
         raster.canShow(frame);
}

void WindowOutput::present(const Screen& frame) {
  if (!p_window) return;
  if (!composesInMemory(frame) || !raster.show(frame, *p_window, batch)) {
    flush(frame);
    p_window->display();
    p_window->clear(background);
    raster.invalidate();
  }
  chars_drawn = 0;
  window_drawn = false;
}

void WindowOutput::setComposing(bool on) { composing = on; }

void WindowOutput::fit(unsigned width, unsigned height) {
  if (!p_window || width == 0 || height == 0) return;
  float shown_width = static_cast<float>(picture_width);
  float shown_height = static_cast<float>(picture_height);
  float scale = std::min(static_cast<float>(width) / shown_width,
                         static_cast<float>(height) / shown_height);
  float part_x = shown_width * scale / static_cast<float>(width);
  float part_y = shown_height * scale / static_cast<float>(height);
  sf::View view(sf::FloatRect(0, 0, shown_width, shown_height));
  view.setViewport(sf::FloatRect((1 - part_x) / 2, (1 - part_y) / 2, part_x, part_y));
  p_window->setView(view);
}

Vector WindowOutput::toPicture(int x, int y) const {
  sf::IntRect area = p_window ? p_window->getViewport(p_window->getView()) : sf::IntRect();
  if (area.width <= 0 || area.height <= 0)
    return Vector(static_cast<float>(x), static_cast<float>(y));
  // Whole numbers throughout while the picture fills the window as made.
  return Vector(static_cast<float>(x - area.left) * static_cast<float>(picture_width) /
                    static_cast<float>(area.width),
                static_cast<float>(y - area.top) * static_cast<float>(picture_height) /
                    static_cast<float>(area.height));
}

}  // namespace vt
