#include "presentation/Shape.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/Config.h"
#include "core/LogManager.h"
#include "presentation/GraphicsManager.h"
#include "presentation/Output.h"
#include "presentation/ShapePolygon.h"
#include "world/Geometry.h"

namespace vt {

namespace {
// Below 3 points a circle is no figure; above 10 small circles gain nothing.
const float MIN_CIRCLE_POINTS = 3.0f;
const float MAX_CIRCLE_POINTS = 10.0f;
const float SQUARE_ROTATION = 45.0f;
// Lifts the turned square so that it sits about its reference point.
const float SQUARE_LIFT = 1.75f;

// The polygon as the last shape left it: a shape of no known type is drawn
// as the one before it.
std::unique_ptr<ScreenShape>& drawingShape() {
  static std::unique_ptr<ScreenShape> p_shape;
  return p_shape;
}

float defaultSize() {
  float cell = std::min(charWidth(), charHeight());
  // Before the graphics manager knows its window the cell has no size.
  if (!std::isfinite(cell) || cell < 0 || cell >= 65536) return 0;
  return static_cast<float>(static_cast<unsigned>(cell)) * Config::getInstance().getFontScale();
}
}  // namespace

Shape::Shape()
    : color(WHITE), r(255), g(255), b(255), type(CIRCLE), size(defaultSize()), alpha(255) {}

void Shape::draw(Vector world_pos) {
  GraphicsManager& graphics = GraphicsManager::getInstance();
  // Any output shows shapes, not only the window.
  if (!graphics.getOutput() || !graphics.getOutput()->isOpen()) {
    LogManager::getInstance().writeLog("Shape::draw(): Error! GraphicsManager window not defined.");
    return;
  }
  Vector pixel_pos = spacesToPixels(worldToView(world_pos));
  float px = pixel_pos.getX();
  float py = pixel_pos.getY();

  if (color != CUSTOM) colorToRGB(color, r, g, b);

  std::unique_ptr<ScreenShape>& p_shape = drawingShape();
  if (!p_shape) p_shape = std::make_unique<ScreenShape>(ScreenShape{30, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  p_shape->r = r, p_shape->g = g, p_shape->b = b, p_shape->a = alpha;

  const float half = size * 0.5f;
  switch (type) {
    case CIRCLE: {
      float points = std::clamp(size, MIN_CIRCLE_POINTS, MAX_CIRCLE_POINTS);
      // NaN passes clamp unchanged.
      if (std::isnan(points)) points = MIN_CIRCLE_POINTS;
      p_shape->point_count = static_cast<std::size_t>(points);
      p_shape->radius = size;
      p_shape->rotation = 0;
      p_shape->x = px - half, p_shape->y = py - half;
      break;
    }
    case SQUARE:
      p_shape->point_count = 4;
      p_shape->rotation = SQUARE_ROTATION;
      p_shape->radius = size / Config::getInstance().getFontScale();
      p_shape->x = px + half, p_shape->y = py - size / SQUARE_LIFT;
      break;
    case TRIANGLE:
      p_shape->point_count = 3;
      p_shape->radius = half;
      p_shape->rotation = 0;
      p_shape->x = px - half, p_shape->y = py - half;
      break;
    default:
      break;  // drawn as the previous shape was
  }

  LogManager::getInstance().writeLog(10, "Shape::draw(): Drawing at (%.2f, %.2f)",
                                     static_cast<double>(px), static_cast<double>(py));
  graphics.drawShape(*p_shape);
}

Color Shape::getColor() const { return color; }
void Shape::setColor(Color new_color) { color = new_color; }
std::uint8_t Shape::getR() const { return r; }
void Shape::setR(std::uint8_t new_r) { r = new_r; }
std::uint8_t Shape::getG() const { return g; }
void Shape::setG(std::uint8_t new_g) { g = new_g; }
std::uint8_t Shape::getB() const { return b; }
void Shape::setB(std::uint8_t new_b) { b = new_b; }
ShapeType Shape::getType() const { return type; }
void Shape::setType(ShapeType new_type) { type = new_type; }
float Shape::getSize() const { return size; }
void Shape::setSize(float new_size) { size = new_size; }
std::uint8_t Shape::getAlpha() const { return alpha; }
void Shape::setAlpha(std::uint8_t new_alpha) { alpha = new_alpha; }

const ScreenShape* sharedShapePolygon() { return drawingShape().get(); }

}  // namespace vt
