// Tests of the integer stack, run natively and under Wine.
#include "toolkit/gadgets/int_stack.h"

#include <gtest/gtest.h>

namespace {

// Owns a stack for one test; deleting it releases any values left (LeakSanitizer checks).
struct IntStackTest : testing::Test {
  IntStack* stack = IntStackNew();
  ~IntStackTest() override { IntStackDelete(stack); }
};

TEST_F(IntStackTest, PopsInReverseOrderThenReportsEmpty) {
  ASSERT_NE(stack, nullptr);
  EXPECT_EQ(IntStackPop(stack), INTSTACK_EMPTY);
  for (int v : {1, 2, 3, INT32_MIN, INT32_MAX}) IntStackPush(stack, v);
  EXPECT_EQ(IntStackCount(stack), 5);
  for (int v : {INT32_MAX, INT32_MIN, 3, 2, 1}) EXPECT_EQ(IntStackPop(stack), v);
  EXPECT_EQ(IntStackPop(stack), INTSTACK_EMPTY);
  EXPECT_EQ(IntStackCount(stack), 0);
  EXPECT_EQ(stack->top, nullptr);
  EXPECT_EQ(INTSTACK_EMPTY, -2);
}

TEST_F(IntStackTest, PushedEmptyMarkerIsToldApartByCount) {
  IntStackPush(stack, INTSTACK_EMPTY);
  EXPECT_EQ(IntStackCount(stack), 1);
  EXPECT_EQ(IntStackPop(stack), INTSTACK_EMPTY);
  EXPECT_EQ(IntStackCount(stack), 0);
}

TEST_F(IntStackTest, ClearEmptiesAndTheStackStaysUsable) {
  IntStackClear(stack);  // on an empty stack
  EXPECT_EQ(IntStackCount(stack), 0);
  IntStackPush(stack, 5);
  IntStackPush(stack, 6);
  IntStackClear(stack);
  EXPECT_EQ(IntStackCount(stack), 0);
  EXPECT_EQ(stack->top, nullptr);
  EXPECT_EQ(IntStackPop(stack), INTSTACK_EMPTY);
  IntStackPush(stack, 7);
  EXPECT_EQ(IntStackCount(stack), 1);
  EXPECT_EQ(IntStackPop(stack), 7);
  for (int i = 0; i < 100; ++i) IntStackPush(stack, i);  // left for the delete to release
}

TEST(IntStackNull, EveryOperationAcceptsNull) {
  EXPECT_EQ(IntStackPop(nullptr), 0);
  EXPECT_EQ(IntStackCount(nullptr), 0);
  IntStackPush(nullptr, 1);
  IntStackClear(nullptr);
  IntStackDelete(nullptr);
}

}  // namespace
