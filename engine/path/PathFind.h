// One A* search across the world's character cells on behalf of an object.
// It is advanced one expansion (a "ply") at a time, so that a long search can
// be spread over several frames. The object that asked for it owns it.
#pragma once

#include <string>
#include <vector>

#include "path/Path.h"

namespace vt {

class Object;

/// A cell of the world grid: column x, row y.
struct GridPoint {
  int x = 0;
  int y = 0;

  bool operator==(const GridPoint& other) const { return x == other.x && y == other.y; }
  bool operator!=(const GridPoint& other) const { return !(*this == other); }
};

class PathFind {
 public:
  /// A search for p_init_obj from start to end over a grid the size the
  /// world boundary has now. The object's box decides which cells it fits in.
  PathFind(Object* p_init_obj, GridPoint init_start, GridPoint init_end);
  PathFind(const PathFind&) = delete;
  PathFind& operator=(const PathFind&) = delete;

  /// Leaves the path manager if it is still registered there.
  ~PathFind();

  /// Expands the cheapest open cell; NOT_FOUND, INCOMPLETE or FOUND.
  int cycleOnce();

  /// The route by parent links from start to end, start first, index 0.
  /// Before the end was reached it holds only the start and the end.
  Path getPath() const;

  Object* getObject() const;
  GridPoint getStart() const;
  GridPoint getEnd() const;

  /// Number of cycleOnce calls so far.
  int getPly() const;

 private:
  struct Cell {
    float from_start;  ///< cost of the best route known from the start
    float cost;        ///< from_start plus the straight line to the end
    GridPoint parent;  ///< the cell that route arrives from
  };

  bool inGrid(GridPoint p) const;
  Cell& cellAt(GridPoint p);
  /// Cells outside the grid read as unreached, parented to the start.
  Cell cellOf(GridPoint p) const;
  /// The type of a HARD object that p_obj would meet at p, or "" if none.
  std::string hardCollision(GridPoint p) const;
  void examine(GridPoint current, GridPoint neighbor);

  Object* p_obj;
  GridPoint start;
  GridPoint end;
  // Fixed at construction: the grid is indexed and freed by these, whatever
  // the world boundary becomes meanwhile.
  int columns;
  int rows;
  std::vector<Cell> grid;
  std::vector<GridPoint> open_set;
  std::vector<GridPoint> closed_set;
  int ply;
};

}  // namespace vt
