// Handle lists: appending, numbering of text nodes, look-ups and record removal.
#include "toolkit/core/handle_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct ListDestroy {
  void operator()(HandleList* list) const { HandleListDestroy(list); }
};
using OwnedList = std::unique_ptr<HandleList, ListDestroy>;

std::vector<std::uint64_t> Keys(const HandleList* list) {
  std::vector<std::uint64_t> keys;
  for (const HandleNode* n = list->first; n != nullptr; n = n->next) keys.push_back(n->key);
  return keys;
}

// Walks backwards too, so that a broken back link shows.
std::vector<std::uint64_t> KeysBackwards(const HandleList* list) {
  std::vector<std::uint64_t> keys;
  for (const HandleNode* n = list->last; n != nullptr; n = n->previous)
    keys.insert(keys.begin(), n->key);
  return keys;
}

OwnedList PairsList(std::initializer_list<std::uint64_t> keys) {
  OwnedList list(HandleListCreate());
  for (std::uint64_t key : keys) HandleListAppendKey(list.get(), key);
  return list;
}

using Keys_t = std::vector<std::uint64_t>;

TEST(HandleList, EmptyListFindsNothingAndNumbersTextFromOne) {
  OwnedList owned(HandleListCreate());
  HandleList* list = owned.get();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->first, nullptr);
  EXPECT_EQ(list->last, nullptr);
  EXPECT_EQ(list->auxiliary, 0u);
  EXPECT_EQ(HandleListFind(list, 0), nullptr);
  EXPECT_EQ(HandleListAppendText(list, "first"), 1u);
  EXPECT_EQ(HandleListFind(list, 1)->text, "first");
}

TEST(HandleList, TextNumberingContinuesFromTheLastNode) {
  OwnedList owned(HandleListCreate());
  HandleList* list = owned.get();
  EXPECT_EQ(HandleListAppendText(list, "a"), 1u);
  EXPECT_EQ(HandleListAppendText(list, "b"), 2u);
  EXPECT_EQ(HandleListAppendText(list, "c"), 3u);
  EXPECT_EQ(HandleListAppendText(list, "d"), 4u);
  // Whatever the last node is, the next text is numbered one past its key.
  EXPECT_EQ(HandleListAppendKey(list, 41), 41u);
  EXPECT_EQ(HandleListAppendText(list, "e"), 42u);
  EXPECT_EQ(HandleListFind(list, 42)->text, "e");
}

TEST(HandleList, AppendKeyReturnsTheKeyAndFindReturnsTheFirstMatch) {
  OwnedList owned = PairsList({7, 100, 8, 7});
  HandleList* list = owned.get();
  EXPECT_EQ(Keys(list), (Keys_t{7, 100, 8, 7}));
  const HandleNode* found = HandleListFind(list, 7);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found, list->first);
  EXPECT_EQ(HandleListFind(list, 9), nullptr);
}

TEST(HandleList, RemovePairInTheMiddleKeepsBothDirectionsLinked) {
  OwnedList owned = PairsList({1, 10, 2, 20, 3, 30});
  HandleList* list = owned.get();
  HandleListRemovePair(list, 2);
  EXPECT_EQ(Keys(list), (Keys_t{1, 10, 3, 30}));
  EXPECT_EQ(KeysBackwards(list), (Keys_t{1, 10, 3, 30}));
}

TEST(HandleList, RemovingTheFirstAndLastPairs) {
  OwnedList owned = PairsList({1, 10, 2, 20, 3, 30});
  HandleList* list = owned.get();
  HandleListRemovePair(list, 1);
  EXPECT_EQ(Keys(list), (Keys_t{2, 20, 3, 30}));
  EXPECT_EQ(list->first->previous, nullptr);
  HandleListRemovePair(list, 3);
  EXPECT_EQ(Keys(list), (Keys_t{2, 20}));
  EXPECT_EQ(list->last->key, 20u);
  EXPECT_EQ(list->last->next, nullptr);
}

TEST(HandleList, RemovingTheOnlyPairEmptiesTheList) {
  OwnedList owned = PairsList({5, 50});
  HandleList* list = owned.get();
  HandleListRemovePair(list, 5);
  EXPECT_EQ(list->first, nullptr);
  EXPECT_EQ(list->last, nullptr);
  EXPECT_EQ(HandleListAppendText(list, "again"), 1u);
}

TEST(HandleList, RemovingAMissingKeyChangesNothing) {
  OwnedList owned = PairsList({1, 10});
  HandleList* list = owned.get();
  HandleListRemovePair(list, 99);
  HandleListRemoveTriple(list, 99);
  EXPECT_EQ(Keys(list), (Keys_t{1, 10}));
}

TEST(HandleList, RemoveTripleTakesThreeNodes) {
  OwnedList owned = PairsList({100, 1, 2, 200, 3, 4, 300, 5, 6});
  HandleList* list = owned.get();
  HandleListRemoveTriple(list, 200);
  EXPECT_EQ(Keys(list), (Keys_t{100, 1, 2, 300, 5, 6}));
  HandleListRemoveTriple(list, 300);
  EXPECT_EQ(Keys(list), (Keys_t{100, 1, 2}));
  EXPECT_EQ(KeysBackwards(list), (Keys_t{100, 1, 2}));
  HandleListRemoveTriple(list, 100);
  EXPECT_EQ(list->first, nullptr);
  EXPECT_EQ(list->last, nullptr);
}

TEST(HandleList, ARecordCutShortByTheEndStopsThere) {
  // The key matches the value of the final pair: there is no node after it to take.
  OwnedList owned = PairsList({1, 10, 2, 20});
  HandleList* list = owned.get();
  HandleListRemovePair(list, 20);
  EXPECT_EQ(Keys(list), (Keys_t{1, 10, 2}));
  EXPECT_EQ(KeysBackwards(list), (Keys_t{1, 10, 2}));
  HandleListRemoveTriple(list, 10);
  EXPECT_EQ(Keys(list), (Keys_t{1}));
  EXPECT_EQ(list->last, list->first);
}

TEST(HandleList, NullListIsTreatedAsEmpty) {
  EXPECT_EQ(HandleListAppendKey(nullptr, 3), 0u);
  EXPECT_EQ(HandleListAppendText(nullptr, "x"), 0u);
  EXPECT_EQ(HandleListFind(nullptr, 3), nullptr);
  HandleListRemovePair(nullptr, 3);
  EXPECT_EQ(HandleListCount(nullptr), 0u);
}

}  // namespace
