// One frame's character cells, collected as they are drawn and put on the
// window in two draw calls: every cell's background, then every glyph, each
// cut from the font's glyph texture and placed exactly where a text of that
// one character would put it. So a glyph whose ink runs past its cell is not
// cut by its neighbour's background; a character drawn later in the same
// cell still hides the one before.
#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace vt {

class CellBatch {
 public:
  CellBatch();

  /// The font and sizes the cells are drawn with; empties the batch.
  void setUp(const sf::Font* p_font, unsigned glyph_size, float cell_width, float cell_height,
             sf::Color background);

  /// Adds a character whose glyph origin is at pixel (x, y), its cell's
  /// background a tenth of a cell left and a fifth below.
  void add(float x, float y, char ch, sf::Color color);

  /// Draws what was added, backgrounds first, and empties the batch. The
  /// backgrounds may be left out when the target holds nothing but the
  /// background colour, which they would only paint again.
  void flush(sf::RenderTarget& target, bool backgrounds = true);

  /// The rectangle a glyph is drawn in, in pixels from its origin.
  struct Quad {
    float left, top, right, bottom;
  };

  /// The rectangle a character's glyph is drawn in; empty for characters
  /// that leave no ink.
  Quad glyphQuad(char ch);

 private:
  /// A character waiting to be drawn.
  struct Cell {
    float x, y;
    std::uint32_t code;
    sf::Color color;
    bool hidden;  // a later character took the cell
  };

  /// The glyph of a character code, looked up once per code.
  const sf::Glyph& glyphOf(std::uint32_t code);
  bool leavesInk(std::uint32_t code) const;
  /// A glyph's rectangle from its origin, as a text of it would draw it.
  Quad quadOf(const sf::Glyph& glyph) const;
  void addGlyph(const Cell& cell);

  const sf::Font* p_font;
  unsigned glyph_size;
  float cell_width;
  float cell_height;
  sf::Color background;
  std::uint32_t codes[256];  // each char as text would read it
  std::unordered_map<std::uint32_t, const sf::Glyph*> glyphs;
  std::vector<Cell> cells;
  std::unordered_map<std::int64_t, std::size_t> cell_index;
  sf::VertexArray background_vertices;
  sf::VertexArray glyph_vertices;
};

}  // namespace vt
