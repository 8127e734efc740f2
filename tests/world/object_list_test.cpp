#include <gtest/gtest.h>

#include "WorldTestSupport.h"

using namespace world_test;
using Items = std::vector<vt::Object*>;

namespace {
class ObjectListTest : public WorldTest {
 protected:
  static Items items(const vt::ObjectList& list) {
    Items out;
    for (vt::ObjectListIterator it(&list); !it.isDone(); it.next())
      out.push_back(it.currentObject());
    return out;
  }
};
}  // namespace

TEST_F(ObjectListTest, GrowsByDoublingAndRemovesTheFirstOccurrenceKeepingOrder) {
  Probe a, b, c;
  vt::ObjectList list;
  EXPECT_EQ(list.getMaxCount(), 1);
  EXPECT_EQ(list.insert(nullptr), -1);
  std::vector<int> capacities;
  for (vt::Object* p : {&a, &b, &c, &b}) {
    EXPECT_EQ(list.insert(p), 0);
    capacities.push_back(list.getMaxCount());
  }
  EXPECT_EQ(capacities, (std::vector<int>{1, 2, 4, 4}));
  EXPECT_EQ(list.remove(&b), 0);
  EXPECT_EQ(items(list), (Items{&a, &c, &b}));
  list.clear();
  EXPECT_TRUE(list.isEmpty());
  EXPECT_EQ(list.remove(&a), -1);
}

TEST_F(ObjectListTest, CopiesAreSnapshotsAndSumsKeepOrder) {
  Probe a, b, c;
  vt::ObjectList ab, just_c;
  ab.insert(&a);
  ab.insert(&b);
  just_c.insert(&c);
  vt::ObjectList copy = ab;
  ab.remove(&a);
  EXPECT_EQ(items(copy), (Items{&a, &b}));
  EXPECT_EQ(copy.getMaxCount(), 2);
  EXPECT_EQ(items(copy + just_c), (Items{&a, &b, &c}));
  copy = just_c;
  EXPECT_EQ(items(copy), (Items{&c}));
  vt::ObjectListIterator it(&just_c);
  it.next();
  it.next();  // never past the end
  EXPECT_EQ(it.currentObject(), nullptr);
}
