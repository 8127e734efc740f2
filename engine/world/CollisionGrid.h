// Finds the solid objects whose boxes meet a box without testing every solid
// object of the world. Space is cut into square blocks of BLOCK by BLOCK
// world cells. An object no larger than a block is filed under the block of
// its box's top-left corner, and a query looks as far up and left of its own
// blocks as the largest such object reaches; a larger object is filed under
// every block its box touches, edges included as box intersection counts
// them; one that spans very many blocks, lies far out or is not finite is
// kept aside and tested by every query. Each filing keeps a copy of the
// object's world box, so a query never visits an object it does not meet.
// The scene graph files objects as they enter its solid list and refiles
// them when their position or box changes; answers come in filing order,
// which is the solid list's order.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "world/Box.h"

namespace vt {

class Object;

/// What the grid keeps of an object, held inside the object itself.
struct CollisionGridEntry {
  std::int32_t x = 0, y = 0;  ///< the first block filed under
  std::uint8_t columns = 0;   ///< further blocks to the right filed under
  std::uint8_t rows = 0;      ///< further blocks below filed under
  bool filed = false;         ///< the object is in the grid
  bool aside = false;         ///< tested by every query instead of filed by block
  std::uint32_t rank = 0;     ///< later filings rank higher
};

class CollisionGrid {
 public:
  /// Side of a block in world cells: a power of two, so that a position
  /// divides into blocks exactly.
  static constexpr float BLOCK = 8.0f;

  /// Sets the world's extent: blocks within it are kept in an array, the
  /// few beyond it in a table. Refiles everything.
  void setArea(const Box& area);

  /// Files p_o under the blocks of its world box, ranked after everything
  /// filed before.
  void insert(Object* p_o);

  /// Takes p_o out of the grid, if it is there.
  void remove(Object* p_o);

  /// Refiles p_o after its position or box changed, if it is in the grid.
  void update(Object* p_o);

  /// Replaces found with every filed object other than p_except whose world
  /// box intersects box, in filing order. False, found then empty, when the
  /// box is too large, far or not finite to answer by blocks: the caller
  /// tests every solid object instead.
  bool collisions(const Box& box, const Object* p_except, std::vector<Object*>& found) const;

  /// Asks the processor to fetch the block p_o is filed under, ahead of a
  /// move that will look there.
  void prefetch(const Object* p_o) const;

  /// How many objects are filed.
  std::size_t getCount() const;

  /// Bytes the grid holds, the entries inside the objects included.
  std::size_t getMemoryUse() const;

 private:
  /// A filed object with its world box.
  struct Item {
    Object* p_object;
    Box world_box;
  };
  using Bucket = std::vector<Item>;

  /// Files or unfiles p_o under the blocks its entry names.
  void file(Object* p_o);
  void unfile(Object* p_o);
  /// Where an object with this world box is filed; false to keep it aside.
  bool placeOf(const Box& world_box, CollisionGridEntry& place);
  /// The bucket of a block, made if need be; none if not there and not made.
  Bucket* bucket(std::int32_t x, std::int32_t y, bool make);
  const Bucket* bucket(std::int32_t x, std::int32_t y) const;
  /// Every filed object, in filing order.
  std::vector<Object*> everything() const;

  std::int32_t area_x0 = 0, area_y0 = 0, area_x1 = -1, area_y1 = -1;
  std::vector<Bucket> inside;  // the area's blocks, row after row
  std::unordered_map<std::uint64_t, Bucket> outside;
  std::vector<Object*> aside;
  // How far right and down the objects filed by their corner reach.
  double reach_x = 0, reach_y = 0;
  std::size_t count = 0;
  std::uint32_t next_rank = 0;
};

}  // namespace vt
