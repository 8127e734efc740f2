// One A* search across the world's character cells on behalf of an object.
// It is advanced one expansion (a "ply") at a time, so that a long search can
// be spread over several frames. The object that asked for it owns it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "path/Path.h"

namespace vt {

class Object;

/// The log level from which every ply of a search writes its trace: the
/// cell chosen, the open and closed sets and each neighbour examined. Above
/// all the engine's other levels, since the sets grow with every ply.
const int PATH_TRACE_LEVEL = 20;

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

  /// Expands the cheapest open cell, the one discovered last among equals;
  /// NOT_FOUND, INCOMPLETE or FOUND.
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
  enum class State : unsigned char { UNSEEN, OPEN, CLOSED };

  struct Cell {
    float from_start;  ///< cost of the best route known from the start
    float cost;        ///< from_start plus the straight line to the end
    GridPoint parent;  ///< the cell that route arrives from
    State state;
    std::uint32_t order;  ///< when the cell was discovered
  };

  /// An open cell as it was recorded; outdated once the cell is closed or
  /// recorded again with a lower cost.
  struct Candidate {
    float cost;
    std::uint32_t order;
    GridPoint cell;
  };

  bool inGrid(GridPoint p) const;
  /// The cell's slot: its place in the grid, or the slot after the grid for
  /// a start outside it; none for any other cell outside.
  std::size_t slotOf(GridPoint p) const;
  /// Cells outside the grid read as unreached, parented to the start.
  Cell cellOf(GridPoint p) const;
  /// The cheapest open cell, the latest discovered among equals; the start
  /// when none is open.
  GridPoint cheapest();
  void open(GridPoint p, std::size_t slot);
  void examine(GridPoint current, GridPoint neighbor, bool tracing);
  /// The trace of choosing current: the open cells scanned from the last.
  void traceScan(GridPoint current) const;
  /// "(x,y) " per open cell in order of discovery, or per cell given.
  std::string openText() const;

  Object* p_obj;
  GridPoint start;
  GridPoint end;
  // Fixed at construction: the grid is indexed by these, whatever the world
  // boundary becomes meanwhile.
  int columns;
  int rows;
  std::vector<Cell> grid;
  std::vector<Candidate> heap;
  std::vector<GridPoint> discovered;  // every cell ever opened, in order
  std::vector<GridPoint> closed;      // in order of expansion
  std::size_t open_count;
  int ply;
};

}  // namespace vt
