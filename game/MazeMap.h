// The drawing of a maze file (see MazeFile.h): its rows as they are read,
// then, at the end of the map, the pieces they show, handed in reading
// order to whoever reads the file.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "LevelLayout.h"

/// What the pieces of a drawing go to; each returns false at a fault.
class MapSink {
 public:
  virtual ~MapSink() = default;
  /// Reports what was expected at a line and column (from 1); false.
  virtual bool fail(int line, int column, const std::string& expected) = 0;
  virtual bool addDoor(Cell cell, int line, int column) = 0;
  virtual bool addKey(Cell cell, int line, int column) = 0;
  virtual bool addHero(Cell cell, int line, int column) = 0;
  virtual bool addWall(WallRun run, int line, int column) = 0;
};

class MazeMap {
 public:
  /// The map begins after this line.
  void start(int line);
  bool isStarted() const;

  /// One more row; false after telling sink of one too many or too long.
  bool addRow(const std::string& row, int line, MapSink& sink);

  /// Hands the pieces to sink, row by row, each at the cell where its
  /// picture begins; false at the first fault.
  bool resolve(MapSink& sink);

 private:
  char at(int x, int y) const;
  bool isFree(int x, int y, char c) const;
  bool pairCorners(MapSink& sink);
  bool readCell(int x, int y, MapSink& sink);

  bool started = false;
  int first_line = 0;
  std::vector<std::string> rows;
  // Cells that belong to a corner or the door begun in another cell.
  std::vector<std::vector<bool>> taken;
  // The corner piece of each '+', by its cell.
  std::map<std::pair<int, int>, WallRun> corners;
};
