// Owns the game window and the engine's character-cell picture: every
// character is a coloured glyph on a cell-sized rectangle of the window's
// background colour, placed by its position in the view. A frame is drawn
// into a screen of cells, which the window presents when the frame is shown
// (or, for whatever is drawn on the window itself, before that is drawn);
// the last screen shown can be read as text. However the window is resized,
// the picture keeps its proportions, centred in the window.
#pragma once

#include <memory>
#include <string>

#include "core/Manager.h"
#include "presentation/Color.h"
#include "presentation/Screen.h"
#include "resources/Frame.h"
#include "world/Vector.h"

namespace sf {
class RenderWindow;
}

namespace vt {

class WindowOutput;

/// Placement of a drawn string relative to its position.
enum Justification {
  LEFT_JUSTIFIED = 0,
  CENTER_JUSTIFIED = 1,
  RIGHT_JUSTIFIED = 2,
};

class GraphicsManager : public Manager {
 public:
  static GraphicsManager& getInstance();

  ~GraphicsManager() override;

  /// Opens the configured window and loads the font; 0 also when the window
  /// is already open, -1 when no window or font could be had.
  int startUp() override;

  /// Closes the window and releases the drawing objects.
  void shutDown() override;

  /// Why the last startUp failed: no display, a size no window can have,
  /// or the font.
  std::string getStartProblem() const override;

  /// Draws one character at a world position on a blank cell; -1 when not
  /// started.
  int drawCh(Vector world_pos, char ch, Color color);

  /// Draws a string along a row, starting at, centred on or ending at the
  /// position; -1 when not started.
  int drawString(Vector world_pos, std::string str, Justification just, Color color);

  /// Draws a frame with its top-left or, if centered, its middle character at
  /// the position. Characters equal to transparent are left out, unless it is
  /// the NUL character. -1 when not started or the frame is empty.
  int drawFrame(Vector world_pos, Frame frame, bool centered, Color color, char transparent);

  /// Shows the finished picture and clears the window for the next one.
  int swapBuffers();

  /// The window, null when there is none. The characters drawn so far go
  /// on it first, so that whatever the caller draws comes after them.
  sf::RenderWindow* getWindow() const;

  /// The window as it is, for reading its input; null when there is none.
  sf::RenderWindow* peekWindow() const;

  /// The last frame shown, as a screen of cells; empty before the first.
  const Screen& getScreen() const;

  /// Draws a shape after everything drawn so far in the frame; -1 when not
  /// started or without a window.
  int drawShape(const ScreenShape& shape);

  /// The window's output, for choosing how it draws.
  WindowOutput& getWindowOutput() const;

  /// Fits the picture into a window resized to width by height pixels:
  /// as large as it fits with its proportions kept, centred.
  void fitWindow(unsigned width, unsigned height);

  /// A pixel of the window as a pixel of the picture, which the window may
  /// show larger or smaller; unchanged without a window.
  Vector windowToPicture(int x, int y) const;

  /// Window size in character cells.
  int getHorizontal() const;
  int getVertical() const;

  /// Window size in pixels.
  int getHorizontalPixels() const;
  int getVerticalPixels() const;

 private:
  GraphicsManager();
  std::unique_ptr<WindowOutput> p_output;
  int window_horizontal_pixels;
  int window_vertical_pixels;
  int window_horizontal_chars;
  int window_vertical_chars;
  Screen frame;  // being drawn
  Screen shown;  // the last shown
  std::string start_problem;
};

/// Width of one character cell in pixels.
float charWidth();

/// Height of one character cell in pixels.
float charHeight();

/// Glyph size in pixels: the configured font scale times the smaller cell side.
unsigned glyphSize();

/// A position in cells converted to pixels.
Vector spacesToPixels(Vector spaces);

/// A position in pixels converted to cells.
Vector pixelsToSpaces(Vector pixels);

}  // namespace vt
