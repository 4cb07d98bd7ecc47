// Tests of the integer stack, run natively and under Wine.
#include "toolkit/gadgets/int_stack.h"

#include <gtest/gtest.h>

namespace {

// Owns a stack for one test and releases it, values and all, at the end.
struct StackFixture : testing::Test {
  IntStack* stack = IntStackNew();
  ~StackFixture() override { IntStackDelete(stack); }
};

using IntStackOrder = StackFixture;

TEST_F(IntStackOrder, NewStackIsEmpty) {
  ASSERT_NE(stack, nullptr);
  EXPECT_EQ(stack->count, 0);
  EXPECT_EQ(stack->top, nullptr);
  EXPECT_EQ(IntStackCount(stack), 0);
  EXPECT_EQ(IntStackPop(stack), INTSTACK_EMPTY);
}

TEST_F(IntStackOrder, PopsInReverseOrderThenReportsEmpty) {
  IntStackPush(stack, 1);
  IntStackPush(stack, 2);
  IntStackPush(stack, 3);
  EXPECT_EQ(IntStackCount(stack), 3);
  EXPECT_EQ(IntStackPop(stack), 3);
  EXPECT_EQ(IntStackPop(stack), 2);
  EXPECT_EQ(IntStackCount(stack), 1);
  EXPECT_EQ(IntStackPop(stack), 1);
  EXPECT_EQ(IntStackPop(stack), INTSTACK_EMPTY);
  EXPECT_EQ(IntStackCount(stack), 0);
  EXPECT_EQ(stack->top, nullptr);
}

TEST_F(IntStackOrder, KeepsExtremeValues) {
  IntStackPush(stack, INT32_MIN);
  IntStackPush(stack, INT32_MAX);
  IntStackPush(stack, 0);
  EXPECT_EQ(IntStackPop(stack), 0);
  EXPECT_EQ(IntStackPop(stack), INT32_MAX);
  EXPECT_EQ(IntStackPop(stack), INT32_MIN);
}

TEST_F(IntStackOrder, PushedEmptyMarkerIsToldApartByCount) {
  IntStackPush(stack, INTSTACK_EMPTY);
  EXPECT_EQ(IntStackCount(stack), 1);
  EXPECT_EQ(IntStackPop(stack), INTSTACK_EMPTY);
  EXPECT_EQ(IntStackCount(stack), 0);
}

TEST_F(IntStackOrder, LinksNodesFromTopToBottom) {
  IntStackPush(stack, 10);
  IntStackPush(stack, 20);
  ASSERT_NE(stack->top, nullptr);
  EXPECT_EQ(stack->top->value, 20);
  ASSERT_NE(stack->top->next, nullptr);
  EXPECT_EQ(stack->top->next->value, 10);
  EXPECT_EQ(stack->top->next->next, nullptr);
}

TEST_F(IntStackOrder, ManyValuesComeBackInOrder) {
  constexpr int kValues = 10000;
  for (int i = 0; i < kValues; ++i) IntStackPush(stack, i);
  EXPECT_EQ(IntStackCount(stack), kValues);
  for (int i = kValues - 1; i >= 0; --i) ASSERT_EQ(IntStackPop(stack), i);
  EXPECT_EQ(IntStackPop(stack), INTSTACK_EMPTY);
}

using IntStackClearing = StackFixture;

TEST_F(IntStackClearing, ClearEmptiesTheStack) {
  IntStackPush(stack, 5);
  IntStackPush(stack, 6);
  IntStackClear(stack);
  EXPECT_EQ(IntStackCount(stack), 0);
  EXPECT_EQ(stack->top, nullptr);
  EXPECT_EQ(IntStackPop(stack), INTSTACK_EMPTY);
}

TEST_F(IntStackClearing, ClearOfEmptyStackChangesNothing) {
  IntStackClear(stack);
  EXPECT_EQ(IntStackCount(stack), 0);
  EXPECT_EQ(stack->top, nullptr);
}

TEST_F(IntStackClearing, StackIsUsableAfterClear) {
  IntStackPush(stack, 1);
  IntStackClear(stack);
  IntStackPush(stack, 7);
  EXPECT_EQ(IntStackCount(stack), 1);
  EXPECT_EQ(IntStackPop(stack), 7);
}

TEST(IntStackDeleting, DeleteOfFilledStackReleasesItsValues) {
  // The host build runs under LeakSanitizer: a node left behind fails this test there.
  IntStack* stack = IntStackNew();
  ASSERT_NE(stack, nullptr);
  for (int i = 0; i < 100; ++i) IntStackPush(stack, i);
  IntStackDelete(stack);
}

TEST(IntStackNullStack, EveryOperationAcceptsNull) {
  EXPECT_EQ(IntStackPop(nullptr), 0);
  EXPECT_EQ(IntStackCount(nullptr), 0);
  IntStackPush(nullptr, 1);
  IntStackClear(nullptr);
  IntStackDelete(nullptr);
}

TEST(IntStackConstants, EmptyMarkerIsMinusTwo) {
  EXPECT_EQ(INTSTACK_EMPTY, -2);
}

}  // namespace
