// Handle lists: member look-ups and whole-record removal.
#include "toolkit/core/handle_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Keys = std::vector<std::uint64_t>;

HandleList* ListOf(const Keys& keys) {
  HandleList* list = HandleListCreate();
  for (std::uint64_t key : keys) HandleListAppendKey(list, key);
  return list;
}

// Both directions, so that a broken back link shows too.
Keys Walk(const HandleList* list) {
  Keys forward, backward;
  for (const HandleNode* n = list->first; n != nullptr; n = n->next) forward.push_back(n->key);
  for (const HandleNode* n = list->last; n != nullptr; n = n->previous)
    backward.insert(backward.begin(), n->key);
  EXPECT_EQ(forward, backward);
  return forward;
}

// A key is looked for only at its place in the records: a null handle (key 0) of one pair is
// not the id 0 of the next, and a colour equal to a handle is not that handle.
TEST(HandleList, RecordsAreFoundAndRemovedByTheirOwnMembersOnly) {
  // clang-format off
  const struct { Keys before; int size; std::uint64_t key; Keys after; } rows[] = {
      {{1, 10, 2, 20, 3, 30}, 2, 2, {1, 10, 3, 30}}, {{1, 10, 2, 20, 3, 30}, 2, 1, {2, 20, 3, 30}},
      {{1, 10, 2, 20, 3, 30}, 2, 3, {1, 10, 2, 20}}, {{5, 50}, 2, 5, {}},
      {{1, 10, 2, 20}, 2, 10, {1, 10, 2, 20}}, {{7, 0, 0, 5}, 2, 0, {7, 0}},
      {{100, 1, 2, 200, 3, 4, 300, 5, 6}, 3, 200, {100, 1, 2, 300, 5, 6}},
      {{100, 200, 2, 200, 3, 4}, 3, 200, {100, 200, 2}},
      {{1, 10, 2}, 2, 2, {1, 10}}};  // a record cut short by the end stops there
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "remove " << row.size << " at key " << row.key);
    HandleList* list = ListOf(row.before);
    (row.size == 2 ? HandleListRemovePair : HandleListRemoveTriple)(list, row.key);
    EXPECT_EQ(Walk(list), row.after);
    HandleListDestroy(list);
  }
}

}  // namespace
