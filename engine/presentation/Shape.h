// A small filled figure (a circle-like polygon, a square or a triangle) that
// an object can show besides its sprite. Unlike everything else the engine
// draws it is not made of character cells but sized in pixels. Every shape
// is drawn with one shared SFML polygon.
#pragma once

#include <cstdint>

#include "presentation/Color.h"
#include "world/Vector.h"

namespace vt {

enum ShapeType : int {
  UNDEFINED_SHAPE = -1,
  CIRCLE = 0,
  SQUARE = 1,
  TRIANGLE = 2,
};

class Shape {
 public:
  /// A white circle of the default size: the configured font scale times
  /// the smaller cell side in whole pixels.
  Shape();

  /// Draws the figure with its reference point at a world position. Unless
  /// the colour is CUSTOM, r, g and b are first set from it.
  void draw(Vector world_pos);

  Color getColor() const;
  void setColor(Color new_color);
  std::uint8_t getR() const;
  void setR(std::uint8_t new_r);
  std::uint8_t getG() const;
  void setG(std::uint8_t new_g);
  std::uint8_t getB() const;
  void setB(std::uint8_t new_b);
  ShapeType getType() const;
  void setType(ShapeType new_type);
  /// In pixels.
  float getSize() const;
  void setSize(float new_size);
  std::uint8_t getAlpha() const;
  void setAlpha(std::uint8_t new_alpha);

 private:
  Color color;
  std::uint8_t r;
  std::uint8_t g;
  std::uint8_t b;
  ShapeType type;
  float size;
  std::uint8_t alpha;
};

}  // namespace vt
