#include "presentation/window/WindowOutput.h"

#include <SFML/Window/VideoMode.hpp>

#include "core/LogManager.h"
#include "presentation/Display.h"
#include "presentation/SfmlConvert.h"

namespace vt {

WindowOutput::WindowOutput()
    : polygon(0.0f, 30),
      cell_width(1),
      cell_height(1),
      composing(true),
      chars_drawn(0),
      window_drawn(false) {}

WindowOutput::~WindowOutput() { close(); }

std::string WindowOutput::openWindow(int width, int height, const std::string& title,
                                     int style) {
  // A size SFML cannot make a window of fails like a missing display does.
  // The connection is held until SFML has its own: SFML would end the whole
  // process without a display.
  DisplayConnection display;
  if (!display.isOpen()) return display.problem();
  if (width <= 0 || height <= 0) return "the window has no pixels";

  sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
  LogManager::getInstance().writeLog(5, "GraphicsManager::startUp(): Window resolution (%d, %d) pixels",
                                     static_cast<int>(desktop.width),
                                     static_cast<int>(desktop.height));
  p_window = std::make_unique<sf::RenderWindow>(
      sf::VideoMode(static_cast<unsigned>(width), static_cast<unsigned>(height), 32),
      sf::String(title), static_cast<sf::Uint32>(style), sf::ContextSettings());
  if (!p_window->isOpen()) {
    p_window.reset();
    return "the window could not be opened";
  }
  return "";
}

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

void WindowOutput::setUp(unsigned glyph_size, float new_cell_width, float new_cell_height,
                         int columns, int rows, Color background_color) {
  background = colorToSFML(background_color);
  cell_width = new_cell_width;
  cell_height = new_cell_height;
  batch.setUp(&font, glyph_size, cell_width, cell_height, background);
  chars_drawn = 0;
  window_drawn = false;
  if (p_window) {
    // The first picture is otherwise drawn over whatever the new buffer holds.
    p_window->clear(background);
    raster.setUp(*p_window, columns, rows, cell_width, cell_height, background);
  }
}

void WindowOutput::close() {
  raster.close();
  batch.setUp(nullptr, 0, 1, 1, background);
  if (!p_window) return;
  p_window->close();
  p_window.reset();
}

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
  return static_cast<float>(size.x) == cell_width * static_cast<float>(frame.getWidth()) &&
         static_cast<float>(size.y) == cell_height * static_cast<float>(frame.getHeight()) &&
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

}  // namespace vt
