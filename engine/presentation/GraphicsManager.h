// Owns the engine's character-cell picture and the output that shows it,
// the game window by default: every character is a coloured glyph on a
// cell-sized rectangle of the window's background colour, placed by its
// position in the view. A frame is drawn into a screen of cells, which the
// output presents when the frame is shown (the window also puts what was
// drawn so far on itself before anything else is drawn on it); the last
// screen shown can be read as text.
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

class Output;

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

  /// Opens the configured output (the window, with its font); 0 also when
  /// it is already open, -1 when it could not be had.
  int startUp() override;

  /// Closes the output.
  void shutDown() override;

  /// Why the last startUp failed: no display, a size no window can have,
  /// or the font.
  std::string getStartProblem() const override;

  /// Draws one character at a world position on a blank cell; -1 when not
  /// started or without an output.
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

  /// The window, null when there is none (headless, or another output).
  /// The characters drawn so far go on it first, so that whatever the
  /// caller draws comes after them.
  sf::RenderWindow* getWindow() const;

  /// The window as it is, for reading it; null when there is none.
  sf::RenderWindow* peekWindow() const;

  /// The last frame shown, as a screen of cells; empty before the first.
  const Screen& getScreen() const;

  /// Draws a shape after everything drawn so far in the frame; -1 when not
  /// started or without an output.
  int drawShape(const ScreenShape& shape);

  /// The output the picture is shown in; null before start-up.
  Output* getOutput() const;

  /// Fits the picture into an output resized to width by height pixels:
  /// as large as it fits with its proportions kept, centred.
  void fitWindow(unsigned width, unsigned height);

  /// A pixel of the output as a pixel of the picture, which the output may
  /// show larger or smaller; unchanged without an output.
  Vector windowToPicture(int x, int y) const;

  /// Window size in character cells.
  int getHorizontal() const;
  int getVertical() const;

  /// Window size in pixels.
  int getHorizontalPixels() const;
  int getVerticalPixels() const;

 private:
  GraphicsManager();
  /// Whether the output is open: the manager's frames go somewhere.
  bool hasOutput() const;

  std::unique_ptr<Output> p_output;
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
