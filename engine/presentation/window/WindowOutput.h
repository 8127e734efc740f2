// The window output: presents the screen of cells in an SFML window. A
// frame whose cells stand on whole pixels of a window showing the picture
// at its own size is composed in memory and only its changed cells are put
// on the window; any other frame, and any frame something else was drawn on
// the window in, is drawn through SFML, its cells in batches that keep
// their place among the other drawings. Either way the picture is the same.
#pragma once

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <memory>
#include <string>

#include "presentation/CellBatch.h"
#include "presentation/Screen.h"
#include "presentation/window/CellRaster.h"
#include "resources/FileStream.h"

namespace vt {

/// The most bytes a font file may hold; the largest fonts are a few tens
/// of megabytes.
const std::uint64_t MAX_FONT_BYTES = 64 << 20;

class WindowOutput {
 public:
  WindowOutput();
  ~WindowOutput();

  /// Opens a window of width by height pixels; empty, or why none can be
  /// had ("DISPLAY is not set", a size no window can have...).
  std::string openWindow(int width, int height, const std::string& title, int style);

  /// Loads the font the cells are drawn with; false when it cannot.
  bool loadFont(const std::string& file);

  /// Readies the drawing of cells of the given size over the background for
  /// a screen of columns by rows cells.
  void setUp(unsigned glyph_size, float cell_width, float cell_height, int columns, int rows,
             Color background);

  /// Closes the window.
  void close();

  /// The window, null when none is open.
  sf::RenderWindow* getWindow() const;

  /// Puts the characters of frame that are not on the window yet on it, so
  /// that whatever is drawn on the window next comes after them.
  void flush(const Screen& frame);

  /// Draws frame's last shape on the window, after the characters before it.
  void drawShape(const Screen& frame);

  /// Shows frame, whose drawing is done, and readies the window for the
  /// next one.
  void present(const Screen& frame);

  /// Whether frame could be shown without the window's renderer.
  bool composesInMemory(const Screen& frame) const;

  /// Off, every frame is drawn through the window's renderer.
  void setComposing(bool on);

 private:
  std::unique_ptr<sf::RenderWindow> p_window;
  std::unique_ptr<FileStream> p_font_file;  // read by the font as glyphs are needed
  sf::Font font;
  CellBatch batch;
  CellRaster raster;
  sf::CircleShape polygon;  // every shape is drawn with it
  sf::Color background;
  float cell_width, cell_height;
  bool composing;
  std::size_t chars_drawn;  // of the frame, on the window already
  bool window_drawn;        // this frame, by flush, a shape or the caller
};

}  // namespace vt
