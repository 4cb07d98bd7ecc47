// The platform-free pieces: handle lists (member look-ups, whole-record removal), the integer
// stack and the class-name-to-kind table.
#include <vantrel/int_stack_api.h>

#include <gtest/gtest.h>

#include <vector>

#include "toolkit/core/gadget_kind_table.h"
#include "toolkit/core/handle_list.h"

namespace {

using Keys = std::vector<std::uint64_t>;

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
    HandleList* list = HandleListCreate();
    for (std::uint64_t key : row.before) HandleListAppendKey(list, key);
    (row.size == 2 ? HandleListRemovePair : HandleListRemoveTriple)(list, row.key);
    EXPECT_EQ(Walk(list), row.after);
    HandleListDestroy(list);
  }
}

// Each pop is noted as value * 10 + the count left: the stack's own -2 is told apart by the count.
TEST(IntStack, LastInFirstOut_EmptyGivesMinusTwo_ANullStackGivesZero) {
  IntStack* stack = IntStackNew();
  std::vector<int> seen;
  const auto pop = [&seen](IntStack* s) { seen.push_back(IntStackPop(s) * 10 + IntStackCount(s)); };
  for (int value : {1, 2, INTSTACK_EMPTY, 3}) IntStackPush(stack, value);
  for (int i = 0; i < 5; ++i) pop(stack);
  for (int value : {7, 8}) IntStackPush(stack, value);
  IntStackClear(stack);
  pop(stack);
  pop(nullptr);
  EXPECT_EQ(seen, (std::vector{33, -18, 21, 10, -20, -20, 0}));
  IntStackPush(stack, 9);
  IntStackDelete(stack);  // with its value: the host build's leak checker sees a lost node
  IntStackPush(nullptr, 1);
  IntStackClear(nullptr);
  IntStackDelete(nullptr);
}

// Exact, case-sensitive, whole names only.
TEST(GadgetKind, EachListedClassNameAndNoOther) {
  // clang-format off
  const std::pair<const char*, int> rows[] = {
      {"ComboBox", 3}, {"ComboLBox", 13}, {"ListBox", 2}, {"SysTabControl32", 4}, {"msctls_trackbar32", 7},
      {"ScrollBar", 5}, {"msctls_progress32", 8}, {"SysDateTimePick32", 9}, {"SysMonthCal32", 10},
      {"msctls_updown32", 14}, {"ToolbarWindow32", 15}, {"Static", 16}, {"SysListView32", 6},
      {"SysTreeView32", 17}, {"COMBOBOX", 0}, {"Statics", 0}, {"Stati", 0}, {"Button", 0}, {"", 0}, {nullptr, 0}};
  // clang-format on
  for (const auto& [name, kind] : rows) EXPECT_EQ(GadgetKindFromClassName(name), kind) << name;
}

}  // namespace
