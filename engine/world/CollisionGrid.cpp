#include "world/CollisionGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "world/Geometry.h"
#include "world/Object.h"

namespace vt {

namespace {
// Farther out than this a box is kept aside: block numbers stay well
// inside 32 bits.
const float FAR = 1.0e9f;
// A box touching more blocks than this is kept aside.
const std::int64_t MAX_FILED_BLOCKS = 64;
// The most blocks kept in the array; a larger world keeps the rest in the table.
const std::int64_t MAX_INSIDE_BLOCKS = 1 << 20;
// More than any rounding of a difference of two positions within FAR: a
// margin that keeps the blocks a query looks at on the safe side.
const double MARGIN = 1.0e-6;

std::uint64_t key(std::int32_t x, std::int32_t y) {
  return static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32 |
         static_cast<std::uint32_t>(y);
}

// The stretch of one axis a box covers as box intersection reads it: from
// its start to start plus extent, or its start alone for an extent that is
// negative or not a number. False when that is not finite or lies far out.
bool stretch(float start, float extent, float& low, float& high) {
  low = start;
  high = extent >= 0 ? start + extent : start;
  return std::fabs(low) < FAR && std::fabs(high) < FAR;
}

std::int32_t blockOf(double position) {
  return static_cast<std::int32_t>(std::floor(position / CollisionGrid::BLOCK));
}

std::int64_t blockCount(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
  return (static_cast<std::int64_t>(x1) - x0 + 1) * (static_cast<std::int64_t>(y1) - y0 + 1);
}

// The object's world box, as getWorldBox makes it, without the call.
Box worldBoxOf(const Box& box, Vector position) {
  return Box(box.getCorner() + position, box.getHorizontal(), box.getVertical());
}
}  // namespace

void CollisionGrid::setArea(const Box& new_area) {
  std::vector<Object*> filed = everything();
  for (Object* p_o : filed) unfile(p_o);
  float x0, x1, y0, y1;
  bool fits = stretch(new_area.getCorner().getX(), new_area.getHorizontal(), x0, x1) &&
              stretch(new_area.getCorner().getY(), new_area.getVertical(), y0, y1) &&
              blockCount(blockOf(x0), blockOf(y0), blockOf(x1), blockOf(y1)) <= MAX_INSIDE_BLOCKS;
  area_x0 = fits ? blockOf(x0) : 0;
  area_y0 = fits ? blockOf(y0) : 0;
  area_x1 = fits ? blockOf(x1) : -1;
  area_y1 = fits ? blockOf(y1) : -1;
  inside.assign(fits ? static_cast<std::size_t>(blockCount(area_x0, area_y0, area_x1, area_y1)) : 0,
                Bucket());
  outside.clear();
  reach_x = reach_y = 0;
  for (Object* p_o : filed) file(p_o);
}

void CollisionGrid::insert(Object* p_o) {
  if (p_o->grid_entry.filed) remove(p_o);
  if (next_rank == std::numeric_limits<std::uint32_t>::max()) {
    // Ranks run out after four billion filings: number them afresh, in order.
    next_rank = 0;
    for (Object* p_filed : everything()) p_filed->grid_entry.rank = next_rank++;
  }
  p_o->grid_entry.rank = next_rank++;
  file(p_o);
  count++;
}

void CollisionGrid::remove(Object* p_o) {
  if (!p_o->grid_entry.filed) return;
  unfile(p_o);
  count--;
}

void CollisionGrid::update(Object* p_o) {
  CollisionGridEntry& entry = p_o->grid_entry;
  if (!entry.filed) return;
  Box world_box = worldBoxOf(p_o->box, p_o->position);
  CollisionGridEntry place;
  // Most moves stay within the blocks they started in: only the boxes change.
  if (!entry.aside && placeOf(world_box, place) && place.x == entry.x && place.y == entry.y &&
      place.columns == entry.columns && place.rows == entry.rows) {
    for (std::int32_t y = entry.y; y <= entry.y + entry.rows; y++)
      for (std::int32_t x = entry.x; x <= entry.x + entry.columns; x++)
        for (Item& item : *bucket(x, y, false))
          if (item.p_object == p_o) {
            item.world_box = world_box;
            break;
          }
    return;
  }
  unfile(p_o);
  file(p_o);
}

bool CollisionGrid::placeOf(const Box& world_box, CollisionGridEntry& place) {
  float x0, x1, y0, y1;
  if (!stretch(world_box.getCorner().getX(), world_box.getHorizontal(), x0, x1) ||
      !stretch(world_box.getCorner().getY(), world_box.getVertical(), y0, y1))
    return false;
  place.x = blockOf(x0);
  place.y = blockOf(y0);
  // Rounded up, so that a query never looks short of an object's corner.
  double across = static_cast<double>(x1) - x0 + MARGIN;
  double down = static_cast<double>(y1) - y0 + MARGIN;
  if (across <= BLOCK && down <= BLOCK) {
    place.columns = place.rows = 0;
    reach_x = std::max(reach_x, across);
    reach_y = std::max(reach_y, down);
    return true;
  }
  if (blockCount(place.x, place.y, blockOf(x1), blockOf(y1)) > MAX_FILED_BLOCKS) return false;
  place.columns = static_cast<std::uint8_t>(blockOf(x1) - place.x);
  place.rows = static_cast<std::uint8_t>(blockOf(y1) - place.y);
  return true;
}

void CollisionGrid::file(Object* p_o) {
  CollisionGridEntry& entry = p_o->grid_entry;
  Box world_box = worldBoxOf(p_o->box, p_o->position);
  entry.filed = true;
  entry.aside = !placeOf(world_box, entry);
  if (entry.aside) {
    aside.push_back(p_o);
    return;
  }
  for (std::int32_t y = entry.y; y <= entry.y + entry.rows; y++)
    for (std::int32_t x = entry.x; x <= entry.x + entry.columns; x++)
      bucket(x, y, true)->push_back(Item{p_o, world_box});
}

void CollisionGrid::unfile(Object* p_o) {
  CollisionGridEntry& entry = p_o->grid_entry;
  entry.filed = false;
  if (entry.aside) {
    aside.erase(std::find(aside.begin(), aside.end(), p_o));
    return;
  }
  for (std::int32_t y = entry.y; y <= entry.y + entry.rows; y++) {
    for (std::int32_t x = entry.x; x <= entry.x + entry.columns; x++) {
      Bucket& items = *bucket(x, y, false);
      for (Item& item : items)
        if (item.p_object == p_o) {
          item = items.back();
          break;
        }
      items.pop_back();
      // Blocks beyond the world go when empty, so that objects wandering
      // far leave nothing behind.
      if (items.empty() && (x < area_x0 || x > area_x1 || y < area_y0 || y > area_y1))
        outside.erase(key(x, y));
    }
  }
}

CollisionGrid::Bucket* CollisionGrid::bucket(std::int32_t x, std::int32_t y, bool make) {
  if (x >= area_x0 && x <= area_x1 && y >= area_y0 && y <= area_y1)
    return &inside[static_cast<std::size_t>(y - area_y0) *
                       static_cast<std::size_t>(area_x1 - area_x0 + 1) +
                   static_cast<std::size_t>(x - area_x0)];
  if (make) return &outside[key(x, y)];
  auto found = outside.find(key(x, y));
  return found == outside.end() ? nullptr : &found->second;
}

const CollisionGrid::Bucket* CollisionGrid::bucket(std::int32_t x, std::int32_t y) const {
  return const_cast<CollisionGrid*>(this)->bucket(x, y, false);
}

std::vector<Object*> CollisionGrid::everything() const {
  std::vector<Object*> filed(aside);
  for (const Bucket& items : inside)
    for (const Item& item : items) filed.push_back(item.p_object);
  for (const auto& block : outside)
    for (const Item& item : block.second) filed.push_back(item.p_object);
  std::sort(filed.begin(), filed.end());
  filed.erase(std::unique(filed.begin(), filed.end()), filed.end());
  std::sort(filed.begin(), filed.end(), [](const Object* p_a, const Object* p_b) {
    return p_a->grid_entry.rank < p_b->grid_entry.rank;
  });
  return filed;
}

bool CollisionGrid::collisions(const Box& box, const Object* p_except,
                               std::vector<Object*>& found) const {
  found.clear();
  float x0, x1, y0, y1;
  if (!stretch(box.getCorner().getX(), box.getHorizontal(), x0, x1) ||
      !stretch(box.getCorner().getY(), box.getVertical(), y0, y1))
    return false;
  // Objects filed by their corner may stand that far up and left of the box.
  std::int32_t bx0 = blockOf(x0 - reach_x - MARGIN);
  std::int32_t by0 = blockOf(y0 - reach_y - MARGIN);
  std::int32_t bx1 = blockOf(x1), by1 = blockOf(y1);
  // Looking up more blocks than there are objects costs more than testing them all.
  if (blockCount(bx0, by0, bx1, by1) > static_cast<std::int64_t>(count)) return false;
  for (std::int32_t y = by0; y <= by1; y++) {
    for (std::int32_t x = bx0; x <= bx1; x++) {
      const Bucket* p_items = bucket(x, y);
      if (!p_items) continue;
      for (const Item& item : *p_items)
        if (item.p_object != p_except && boxIntersectsBox(box, item.world_box))
          found.push_back(item.p_object);
    }
  }
  for (Object* p_o : aside)
    if (p_o != p_except && boxIntersectsBox(box, getWorldBox(p_o))) found.push_back(p_o);
  if (found.size() > 1) {
    // An object filed under several blocks is met in each.
    std::sort(found.begin(), found.end(), [](const Object* p_a, const Object* p_b) {
      return p_a->grid_entry.rank < p_b->grid_entry.rank;
    });
    found.erase(std::unique(found.begin(), found.end()), found.end());
  }
  return true;
}

void CollisionGrid::prefetch(const Object* p_o) const {
  const CollisionGridEntry& entry = p_o->grid_entry;
  if (!entry.filed || entry.aside) return;
  if (const Bucket* p_items = bucket(entry.x, entry.y)) __builtin_prefetch(p_items->data());
}

std::size_t CollisionGrid::getCount() const { return count; }

std::size_t CollisionGrid::getMemoryUse() const {
  std::size_t bytes = count * sizeof(CollisionGridEntry) + inside.capacity() * sizeof(Bucket) +
                      aside.capacity() * sizeof(Object*) + outside.bucket_count() * sizeof(void*);
  for (const Bucket& items : inside) bytes += items.capacity() * sizeof(Item);
  // A table node holds its key, its bucket and a link.
  for (const auto& block : outside)
    bytes += sizeof(block) + sizeof(void*) + block.second.capacity() * sizeof(Item);
  return bytes;
}

}  // namespace vt
