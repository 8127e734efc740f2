// A point or direction in the world, in character cells: x to the right,
// y downward.
#pragma once

#include <cmath>

namespace vt {

class Vector {
 public:
  Vector() = default;
  Vector(float init_x, float init_y) : x(init_x), y(init_y) {}

  float getX() const { return x; }
  void setX(float new_x) { x = new_x; }
  float getY() const { return y; }
  void setY(float new_y) { y = new_y; }
  void setXY(float new_x, float new_y) {
    x = new_x;
    y = new_y;
  }

  /// Length; the squares are summed in single precision, the root taken in double.
  float getMagnitude() const {
    float sum = x * x + y * y;
    return static_cast<float>(std::sqrt(static_cast<double>(sum)));
  }

  /// Scales to length 1; a zero vector stays as it is.
  void normalize() {
    float length = getMagnitude();
    if (length > 0) {
      x /= length;
      y /= length;
    }
  }

  void scale(float s) {
    x *= s;
    y *= s;
  }

  Vector operator+(const Vector& other) const { return Vector(x + other.x, y + other.y); }
  Vector operator-(const Vector& other) const { return Vector(x - other.x, y - other.y); }
  bool operator==(const Vector& other) const { return x == other.x && y == other.y; }
  bool operator!=(const Vector& other) const { return !(*this == other); }

 private:
  float x = 0;
  float y = 0;
};

}  // namespace vt
