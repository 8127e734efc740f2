#include "presentation/window/CellBatch.h"

#include <SFML/System/String.hpp>
#include <cmath>

namespace vt {

namespace {
// A glyph's quad reaches one pixel beyond its bounds, as text draws it.
const float PADDING = 1.0f;

std::int64_t cellKey(float x, float y, float cell_width, float cell_height) {
  auto column = static_cast<std::int64_t>(std::lround(x / cell_width));
  auto row = static_cast<std::int64_t>(std::lround(y / cell_height));
  return row * 1000003 + column;
}

void addQuad(sf::VertexArray& vertices, float left, float top, float right, float bottom,
             sf::Color color, float u1, float v1, float u2, float v2) {
  vertices.append(sf::Vertex(sf::Vector2f(left, top), color, sf::Vector2f(u1, v1)));
  vertices.append(sf::Vertex(sf::Vector2f(right, top), color, sf::Vector2f(u2, v1)));
  vertices.append(sf::Vertex(sf::Vector2f(left, bottom), color, sf::Vector2f(u1, v2)));
  vertices.append(sf::Vertex(sf::Vector2f(left, bottom), color, sf::Vector2f(u1, v2)));
  vertices.append(sf::Vertex(sf::Vector2f(right, top), color, sf::Vector2f(u2, v1)));
  vertices.append(sf::Vertex(sf::Vector2f(right, bottom), color, sf::Vector2f(u2, v2)));
}
}  // namespace

CellBatch::CellBatch()
    : p_font(nullptr),
      glyph_size(0),
      cell_width(1),
      cell_height(1),
      background_vertices(sf::Triangles),
      glyph_vertices(sf::Triangles) {
  for (int c = 0; c < 256; c++) codes[c] = sf::String(static_cast<char>(c))[0];
}

void CellBatch::setUp(const sf::Font* p_new_font, unsigned new_glyph_size, float new_cell_width,
                      float new_cell_height, sf::Color new_background) {
  p_font = p_new_font;
  glyph_size = new_glyph_size;
  cell_width = new_cell_width;
  cell_height = new_cell_height;
  background = new_background;
  glyphs.clear();
  cells.clear();
  cell_index.clear();
}

void CellBatch::add(float x, float y, char ch, sf::Color color) {
  std::int64_t key = cellKey(x, y, cell_width, cell_height);
  auto [found, is_new] = cell_index.try_emplace(key, cells.size());
  if (!is_new) {
    cells[found->second].hidden = true;
    found->second = cells.size();
  }
  cells.push_back(Cell{x, y, codes[static_cast<unsigned char>(ch)], color, false});
}

void CellBatch::flush(sf::RenderTarget& target, bool backgrounds) {
  if (cells.empty()) return;
  background_vertices.clear();
  glyph_vertices.clear();
  for (const Cell& cell : cells) {
    float left = cell.x - cell_width / 10;
    float top = cell.y + cell_height / 5;
    if (backgrounds)
      addQuad(background_vertices, left, top, left + cell_width, top + cell_height, background, 0,
              0, 0, 0);
    if (!cell.hidden) addGlyph(cell);
  }
  if (backgrounds) target.draw(background_vertices);
  if (p_font && glyph_vertices.getVertexCount() > 0) {
    sf::RenderStates states;
    states.texture = &p_font->getTexture(glyph_size);
    target.draw(glyph_vertices, states);
  }
  cells.clear();
  cell_index.clear();
}

bool CellBatch::leavesInk(std::uint32_t code) const {
  // Blanks, tabs and line feeds leave no ink.
  return p_font && code != U' ' && code != U'\t' && code != U'\n';
}

CellBatch::Quad CellBatch::quadOf(const sf::Glyph& glyph) const {
  // The text's own arithmetic: its glyph on a baseline one glyph size below
  // its origin, then moved to the origin.
  return Quad{0.0f + (glyph.bounds.left - PADDING),
              static_cast<float>(glyph_size) + (glyph.bounds.top - PADDING),
              0.0f + (glyph.bounds.left + glyph.bounds.width + PADDING),
              static_cast<float>(glyph_size) + (glyph.bounds.top + glyph.bounds.height + PADDING)};
}

CellBatch::Quad CellBatch::glyphQuad(char ch) {
  std::uint32_t code = codes[static_cast<unsigned char>(ch)];
  if (!leavesInk(code)) return Quad{0, 0, 0, 0};
  return quadOf(glyphOf(code));
}

void CellBatch::addGlyph(const Cell& cell) {
  if (!leavesInk(cell.code)) return;
  const sf::Glyph& glyph = glyphOf(cell.code);
  Quad quad = quadOf(glyph);
  const sf::IntRect& rect = glyph.textureRect;
  addQuad(glyph_vertices, cell.x + quad.left, cell.y + quad.top, cell.x + quad.right,
          cell.y + quad.bottom, cell.color, static_cast<float>(rect.left) - PADDING,
          static_cast<float>(rect.top) - PADDING,
          static_cast<float>(rect.left + rect.width) + PADDING,
          static_cast<float>(rect.top + rect.height) + PADDING);
}

const sf::Glyph& CellBatch::glyphOf(std::uint32_t code) {
  const sf::Glyph*& p_glyph = glyphs[code];
  if (!p_glyph) p_glyph = &p_font->getGlyph(code, glyph_size, true);
  return *p_glyph;
}

}  // namespace vt
