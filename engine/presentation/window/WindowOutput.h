// The window output: presents the screen of cells in an SFML window. A
// frame whose cells stand on whole pixels of a window showing the picture
// at its own size is composed in memory and only its changed cells are put
// on the window; any other frame, and any frame something else was drawn on
// the window in, is drawn through SFML, its cells in batches that keep
// their place among the other drawings. Either way the picture is the same.
// However the window is resized, the picture keeps its proportions, centred.
#pragma once

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <memory>

#include "presentation/Output.h"
#include "presentation/window/CellBatch.h"
#include "presentation/window/CellRaster.h"
#include "presentation/window/WindowInput.h"
#include "resources/FileStream.h"

namespace vt {

class WindowOutput : public Output {
 public:
  WindowOutput();
  ~WindowOutput() override;

  /// Opens the configured window and loads the font, writing the graphics
  /// manager's lines of a failure: no window to be had (no display, a size
  /// no window can have), or no font.
  bool open() override;
  std::string getProblem() const override;
  void close() override;
  bool isOpen() const override;
  void present(const Screen& frame) override;
  /// Puts the characters of frame that are not on the window yet on it.
  void flush(const Screen& frame) override;
  /// Draws frame's last shape on the window, after the characters before it.
  void drawShape(const Screen& frame) override;
  InputSource& getInput() override;
  sf::RenderWindow* getWindow() const override;
  /// As large as it fits with its proportions kept, centred.
  void fit(unsigned width, unsigned height) override;
  Vector toPicture(int x, int y) const override;

  /// Whether frame could be shown without the window's renderer.
  bool composesInMemory(const Screen& frame) const;

  /// Off, every frame is drawn through the window's renderer.
  void setComposing(bool on);

 private:
  /// Opens a window of the configured size; false, with the problem kept,
  /// when none can be had.
  bool openWindow();
  /// Loads the font from a checked, capped file; false when it cannot.
  bool loadFont(const std::string& file);

  std::unique_ptr<sf::RenderWindow> p_window;
  WindowInput input;
  std::unique_ptr<FileStream> p_font_file;  // read by the font as glyphs are needed
  sf::Font font;
  CellBatch batch;
  CellRaster raster;
  sf::CircleShape polygon;  // every shape is drawn with it
  sf::Color background;
  int picture_width, picture_height;  // in pixels
  float cell_width, cell_height;
  bool composing;
  std::size_t chars_drawn;  // of the frame, on the window already
  bool window_drawn;        // this frame, by flush, a shape or the caller
  std::string problem;      // why the last open failed
};

}  // namespace vt
