// Owns the game window and draws the engine's character-cell picture into it.
#pragma once

#include "core/Manager.h"

namespace vt {

class GraphicsManager : public Manager {
 public:
  static GraphicsManager& getInstance();

  int startUp() override;
  void shutDown() override;

  /// Shows the finished picture and clears the window for the next one.
  int swapBuffers();

  /// Window size in character cells.
  int getHorizontal() const;
  int getVertical() const;

  /// Window size in pixels.
  int getHorizontalPixels() const;
  int getVerticalPixels() const;

 private:
  GraphicsManager();

  int window_horizontal_pixels;
  int window_vertical_pixels;
  int window_horizontal_chars;
  int window_vertical_chars;
};

}  // namespace vt
