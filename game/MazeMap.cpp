#include "MazeMap.h"

#include "WallKind.h"

namespace {

const std::size_t MAX_COLUMNS = 126;  // x 0 to 125
const std::size_t MAX_ROWS = 101;     // y 0 to 100
const std::string DOOR = "[===]";

WallRun piece(int kind, int x, int y) { return WallRun{kind, {x, y}, {x, y}}; }

}  // namespace

void MazeMap::start(int line) {
  started = true;
  first_line = line + 1;
}

bool MazeMap::isStarted() const { return started; }

bool MazeMap::addRow(const std::string& row, int line, MapSink& sink) {
  if (rows.size() >= MAX_ROWS) return sink.fail(line, 1, "'end': a map has at most 101 rows");
  std::size_t end = row.find_last_not_of(' ');
  std::string kept = end == std::string::npos ? "" : row.substr(0, end + 1);
  if (kept.size() > MAX_COLUMNS)
    return sink.fail(line, MAX_COLUMNS + 1, "the end of the row: a map has at most 126 columns");
  rows.push_back(kept);
  taken.emplace_back(kept.size(), false);
  return true;
}

char MazeMap::at(int x, int y) const {
  if (y < 0 || y >= static_cast<int>(rows.size())) return ' ';
  const std::string& row = rows[static_cast<std::size_t>(y)];
  return x < 0 || x >= static_cast<int>(row.size()) ? ' ' : row[static_cast<std::size_t>(x)];
}

bool MazeMap::isFree(int x, int y, char c) const {
  return at(x, y) == c && !taken[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
}

// As the game's corner pictures are drawn: a top corner is '+' over '|', a
// bottom left one "+-" and a bottom right one "-+".
bool MazeMap::pairCorners(MapSink& sink) {
  for (int y = 0; y < static_cast<int>(rows.size()); y++)
    for (int x = 0; x < static_cast<int>(rows[static_cast<std::size_t>(y)].size()); x++) {
      if (at(x, y) != '+') continue;
      WallRun corner{};
      Cell other{};
      if (isFree(x, y + 1, '|'))
        corner = piece(TOP_CORNER_WALL, x, y + 1), other = {x, y + 1};
      else if (isFree(x + 1, y, '-'))
        corner = piece(BOTTOM_LEFT_CORNER_WALL, x + 1, y), other = {x + 1, y};
      else if (isFree(x - 1, y, '-'))
        corner = piece(BOTTOM_RIGHT_CORNER_WALL, x, y), other = {x - 1, y};
      else
        return sink.fail(first_line + y, x + 1, "a '|' below or a '-' beside the corner '+'");
      taken[static_cast<std::size_t>(other.y)][static_cast<std::size_t>(other.x)] = true;
      corners[{x, y}] = corner;
    }
  return true;
}

bool MazeMap::readCell(int x, int y, MapSink& sink) {
  int line = first_line + y, column = x + 1;
  switch (at(x, y)) {
    case ' ':
    case '.':
      return true;
    case '-':
      return sink.addWall(piece(SINGLE_HORIZONTAL_WALL, x, y), line, column);
    case '|':
      return sink.addWall(piece(SINGLE_VERTICAL_WALL, x, y), line, column);
    case '+':
      return sink.addWall(corners[{x, y}], line, column);
    case '@':
      return sink.addHero(Cell{x, y}, line, column);
    case 'k':
      return sink.addKey(Cell{x, y}, line, column);
    case '[':
      for (int i = 1; i < static_cast<int>(DOOR.size()); i++) {
        if (at(x + i, y) != DOOR[static_cast<std::size_t>(i)])
          return sink.fail(line, column + i, "the door '[===]'");
        taken[static_cast<std::size_t>(y)][static_cast<std::size_t>(x + i)] = true;
      }
      return sink.addDoor(Cell{x + 2, y}, line, column);
    default:
      return sink.fail(line, column,
                       "a cell of the map: ' ', '.', '-', '|', '+', '@', 'k' or the door '[===]'");
  }
}

bool MazeMap::resolve(MapSink& sink) {
  if (!pairCorners(sink)) return false;
  for (int y = 0; y < static_cast<int>(rows.size()); y++)
    for (int x = 0; x < static_cast<int>(rows[static_cast<std::size_t>(y)].size()); x++)
      if (!taken[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] && !readCell(x, y, sink))
        return false;
  return true;
}
