// Handle lists: appending, numbering of text nodes, look-ups and record removal.
#include "toolkit/core/handle_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Keys = std::vector<std::uint64_t>;
struct ListDestroy {
  void operator()(HandleList* list) const { HandleListDestroy(list); }
};
using OwnedList = std::unique_ptr<HandleList, ListDestroy>;

OwnedList ListOf(const Keys& keys) {
  OwnedList list(HandleListCreate());
  for (std::uint64_t key : keys) HandleListAppendKey(list.get(), key);
  return list;
}

// Both directions, so that a broken back link shows too.
Keys Forward(const HandleList* list) {
  Keys keys;
  for (const HandleNode* n = list->first; n != nullptr; n = n->next) keys.push_back(n->key);
  return keys;
}
Keys Backward(const HandleList* list) {
  Keys keys;
  for (const HandleNode* n = list->last; n != nullptr; n = n->previous)
    keys.insert(keys.begin(), n->key);
  return keys;
}

TEST(HandleList, TextNodesAreNumberedFromTheCurrentLastKey) {
  OwnedList list(HandleListCreate());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(HandleListFind(list.get(), 0), nullptr);
  EXPECT_EQ(list->auxiliary, 0u);
  for (std::uint64_t n : {1, 2, 3, 4}) EXPECT_EQ(HandleListAppendText(list.get(), "t"), n);
  EXPECT_EQ(HandleListAppendKey(list.get(), 41), 41u);
  EXPECT_EQ(HandleListAppendText(list.get(), "e"), 42u);
  EXPECT_EQ(HandleListFind(list.get(), 42)->text, "e");
  // The first node from the front decides.
  HandleListAppendKey(list.get(), 2);
  EXPECT_EQ(HandleListFind(list.get(), 2)->text, "t");
}

TEST(HandleList, RecordsAreRemovedWholeWhereverTheyStand) {
  const struct {
    Keys before;
    int size;
    std::uint64_t key;
    Keys after;
  } rows[] = {
      {{1, 10, 2, 20, 3, 30}, 2, 2, {1, 10, 3, 30}},  // middle
      {{1, 10, 2, 20, 3, 30}, 2, 1, {2, 20, 3, 30}},  // first
      {{1, 10, 2, 20, 3, 30}, 2, 3, {1, 10, 2, 20}},  // last
      {{5, 50}, 2, 5, {}},                            // the only pair
      {{1, 10}, 2, 99, {1, 10}},                      // missing key
      {{1, 10}, 3, 99, {1, 10}},
      {{100, 1, 2, 200, 3, 4, 300, 5, 6}, 3, 200, {100, 1, 2, 300, 5, 6}},
      {{100, 1, 2, 200, 3, 4}, 3, 200, {100, 1, 2}},
      {{100, 1, 2}, 3, 100, {}},
      // A record cut short by the end of the list stops there.
      {{1, 10, 2, 20}, 2, 20, {1, 10, 2}},
      {{1, 10, 2}, 3, 10, {1}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "remove " << row.size << " at key " << row.key);
    OwnedList list = ListOf(row.before);
    if (row.size == 2) {
      HandleListRemovePair(list.get(), row.key);
    } else {
      HandleListRemoveTriple(list.get(), row.key);
    }
    EXPECT_EQ(Forward(list.get()), row.after);
    EXPECT_EQ(Backward(list.get()), row.after);
    EXPECT_EQ(list->first == nullptr, row.after.empty());
    EXPECT_EQ(list->last == nullptr, row.after.empty());
  }
}

TEST(HandleList, NullListIsTreatedAsEmpty) {
  EXPECT_EQ(HandleListAppendKey(nullptr, 3), 0u);
  EXPECT_EQ(HandleListAppendText(nullptr, "x"), 0u);
  EXPECT_EQ(HandleListFind(nullptr, 3), nullptr);
  HandleListRemovePair(nullptr, 3);
  HandleListRemoveTriple(nullptr, 3);
  EXPECT_EQ(HandleListCount(nullptr), 0u);
}

}  // namespace
