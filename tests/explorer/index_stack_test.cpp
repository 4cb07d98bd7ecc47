// Tests of IndexStack: growth and shrink points, order of values, refused growth.
#include "toolkit/explorer/index_stack.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

namespace {

using GrowthPoint = std::tuple<int64_t, int64_t, int64_t>;  // count, chunk, capacity

// Pushes values 1..n and records (count, chunk, capacity) whenever the capacity changes.
std::vector<GrowthPoint> PushAndRecord(IndexStack* stack, int64_t n) {
  std::vector<GrowthPoint> points;
  for (int64_t k = 0; k < n; ++k) {
    const int64_t before = stack->capacity;
    const int64_t count = stack->count;
    EXPECT_TRUE(IndexStackPush(stack, static_cast<uint64_t>(k + 1)));
    if (stack->capacity != before) points.emplace_back(count, stack->chunk, stack->capacity);
  }
  return points;
}

void PopAll(IndexStack* stack) {
  while (IndexStackCount(stack) > 0) IndexStackPop(stack);
}

TEST(IndexStackInit, FreshStackIsEmptyWithStepOne) {
  IndexStack stack;
  IndexStackInit(&stack, 0);
  EXPECT_EQ(IndexStackCount(&stack), 0);
  EXPECT_EQ(stack.items, nullptr);
  EXPECT_EQ(stack.chunk, 1);
  EXPECT_EQ(stack.step, 1);
}

TEST(IndexStackInit, StepZeroOrNegativeStaysOne) {
  for (int64_t step : {int64_t{0}, int64_t{-1}, int64_t{-1024}, INT64_MIN}) {
    IndexStack stack;
    IndexStackInit(&stack, step);
    EXPECT_EQ(stack.step, 1) << step;
    IndexStackPush(&stack, 7);
    EXPECT_EQ(stack.capacity, 1) << step;
    PopAll(&stack);
  }
}

TEST(IndexStackGrowth, StepOneFollowsTheTable) {
  IndexStack stack;
  IndexStackInit(&stack, 1);
  const std::vector<GrowthPoint> expected = {
      {0, 1, 1},   {1, 1, 2},   {2, 1, 3},   {3, 1, 4},   {4, 1, 5},   {5, 1, 6},   {6, 2, 8},
      {8, 2, 10},  {10, 2, 12}, {12, 2, 14}, {14, 2, 16}, {16, 2, 18}, {18, 3, 21}, {21, 3, 24},
      {24, 3, 27}, {27, 3, 30}, {30, 3, 33}, {33, 3, 36}, {36, 4, 40}, {40, 5, 45}, {45, 5, 50}};
  EXPECT_EQ(PushAndRecord(&stack, 50), expected);
  EXPECT_EQ(stack.capacity, 50);
  PopAll(&stack);
}

TEST(IndexStackGrowth, Step1024FollowsTheTable) {
  IndexStack stack;
  IndexStackInit(&stack, 1024);
  const std::vector<GrowthPoint> expected = {
      {0, 1024, 1024},    {1024, 1024, 2048}, {2048, 1024, 3072},
      {3072, 1024, 4096}, {4096, 1024, 5120}, {5120, 1280, 6400},
      {6400, 1600, 8000}, {8000, 1600, 9600}, {9600, 1920, 11520}};
  EXPECT_EQ(PushAndRecord(&stack, 9601), expected);
  PopAll(&stack);
}

TEST(IndexStackGrowth, FirstPushAllocatesExactlyTheStep) {
  IndexStack stack;
  IndexStackInit(&stack, 37);
  IndexStackPush(&stack, 1);
  EXPECT_NE(stack.items, nullptr);
  EXPECT_EQ(stack.chunk, 37);
  EXPECT_EQ(stack.capacity, 37);
  // New storage is zero beyond the top.
  for (int64_t slot = 1; slot < stack.capacity; ++slot) EXPECT_EQ(stack.items[slot], 0u);
  PopAll(&stack);
}

TEST(IndexStackShrink, PoppingBackTo1024ShrinksAndTheNextPushGrowsAgain) {
  IndexStack stack;
  IndexStackInit(&stack, 1024);
  const auto points = PushAndRecord(&stack, 1025);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(stack.capacity, 2048);
  EXPECT_EQ(IndexStackPop(&stack), 1025u);
  EXPECT_EQ(stack.capacity, 1024);
  EXPECT_EQ(stack.chunk, 1024);
  IndexStackPush(&stack, 99);
  EXPECT_EQ(stack.capacity, 2048);
  PopAll(&stack);
}

TEST(IndexStackShrink, LastPopReleasesStorageAndResetsChunkToStep) {
  IndexStack stack;
  IndexStackInit(&stack, 5);
  IndexStackPush(&stack, 41);
  IndexStackPush(&stack, 42);
  EXPECT_EQ(IndexStackPop(&stack), 42u);
  EXPECT_EQ(IndexStackPop(&stack), 41u);
  EXPECT_EQ(IndexStackCount(&stack), 0);
  EXPECT_EQ(stack.items, nullptr);
  EXPECT_EQ(stack.chunk, 5);
}

TEST(IndexStackShrink, StepOneShrinksWhereTheChunkDividesTheCount) {
  IndexStack stack;
  IndexStackInit(&stack, 1);
  PushAndRecord(&stack, 50);
  std::vector<int64_t> capacities;
  while (IndexStackCount(&stack) > 0) {
    const int64_t before = stack.capacity;
    IndexStackPop(&stack);
    if (stack.capacity != before) capacities.push_back(stack.capacity);
    EXPECT_GE(stack.capacity, stack.count);
  }
  // Each shrink recomputes the chunk for the new count, so the points differ from growth's.
  const std::vector<int64_t> expected = {45, 40, 35, 34, 32, 28, 24, 21, 18, 15,
                                         14, 12, 10, 8,  6,  4,  3,  2,  1,  0};
  EXPECT_EQ(capacities, expected);
}

TEST(IndexStackValues, ComeBackInReverseOrderAndPoppedSlotsReadZero) {
  IndexStack stack;
  IndexStackInit(&stack, 4);
  for (uint64_t v : {10u, 20u, 30u}) IndexStackPush(&stack, v);
  uint64_t* storage = stack.items;
  EXPECT_EQ(IndexStackPop(&stack), 30u);
  EXPECT_EQ(storage[2], 0u);
  EXPECT_EQ(IndexStackPop(&stack), 20u);
  EXPECT_EQ(storage[1], 0u);
  EXPECT_EQ(IndexStackCount(&stack), 1);
  EXPECT_EQ(IndexStackPop(&stack), 10u);
}

TEST(IndexStackValues, FullSixtyFourBitValuesSurvive) {
  IndexStack stack;
  IndexStackInit(&stack, 2);
  IndexStackPush(&stack, UINT64_MAX);
  IndexStackPush(&stack, uint64_t{1} << 63);
  EXPECT_EQ(IndexStackPop(&stack), uint64_t{1} << 63);
  EXPECT_EQ(IndexStackPop(&stack), UINT64_MAX);
}

TEST(IndexStackFailure, PopOfEmptyStackGivesZeroAndChangesNothing) {
  IndexStack stack;
  IndexStackInit(&stack, 3);
  EXPECT_EQ(IndexStackPop(&stack), 0u);
  EXPECT_EQ(IndexStackCount(&stack), 0);
  EXPECT_EQ(stack.items, nullptr);
}

TEST(IndexStackFailure, PushThatCannotGrowIsRefusedAndHoldsNothing) {
  IndexStack stack;
  // A step whose byte size no allocator could give.
  IndexStackInit(&stack, INT64_MAX / 2);
  EXPECT_FALSE(IndexStackPush(&stack, 5));
  EXPECT_EQ(IndexStackCount(&stack), 0);
  EXPECT_EQ(stack.items, nullptr);
  EXPECT_EQ(IndexStackPop(&stack), 0u);
}

}  // namespace
