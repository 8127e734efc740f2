#include "presentation/Color.h"

#include "core/LogManager.h"

namespace vt {

namespace {
struct RGB {
  std::uint8_t red, green, blue;
};

// BLACK to WHITE: each component fully off or on.
const RGB COMPONENTS[] = {{0, 0, 0},   {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                          {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
}  // namespace

void colorToRGB(Color color, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue) {
  int value = static_cast<int>(color);
  if (value == CUSTOM) return;
  if (value < BLACK || value > CUSTOM) {
    LogManager::getInstance().writeLog(5, "colorToRGB(): Color %d not supported.", value);
    return;
  }
  red = COMPONENTS[value].red;
  green = COMPONENTS[value].green;
  blue = COMPONENTS[value].blue;
}

std::uint32_t colorRGB(Color color) {
  std::uint8_t red = 255, green = 255, blue = 255;
  colorToRGB(color, red, green, blue);
  return static_cast<std::uint32_t>(red) << 16 | static_cast<std::uint32_t>(green) << 8 | blue;
}

}  // namespace vt
