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

TEST(IndexStack, InitKeepsAPositiveStepAndTheFirstPushAllocatesExactlyIt) {
  const struct {
    int64_t requested, step;
  } rows[] = {{1, 1}, {37, 37}, {0, 1}, {-1, 1}, {-1024, 1}, {INT64_MIN, 1}};
  for (const auto& row : rows) {
    IndexStack stack;
    IndexStackInit(&stack, row.requested);
    EXPECT_EQ(IndexStackCount(&stack), 0) << row.requested;
    EXPECT_EQ(stack.items, nullptr) << row.requested;
    EXPECT_EQ(stack.step, row.step) << row.requested;
    EXPECT_EQ(IndexStackPop(&stack), 0u) << row.requested;  // empty: nothing to take
    IndexStackPush(&stack, 7);
    EXPECT_EQ(stack.chunk, row.step) << row.requested;
    EXPECT_EQ(stack.capacity, row.step) << row.requested;
    for (int64_t slot = 1; slot < stack.capacity; ++slot) EXPECT_EQ(stack.items[slot], 0u);
    PopAll(&stack);
  }
}

TEST(IndexStack, GrowthFollowsTheTables) {
  const std::vector<GrowthPoint> step1 = {
      {0, 1, 1},   {1, 1, 2},   {2, 1, 3},   {3, 1, 4},   {4, 1, 5},   {5, 1, 6},   {6, 2, 8},
      {8, 2, 10},  {10, 2, 12}, {12, 2, 14}, {14, 2, 16}, {16, 2, 18}, {18, 3, 21}, {21, 3, 24},
      {24, 3, 27}, {27, 3, 30}, {30, 3, 33}, {33, 3, 36}, {36, 4, 40}, {40, 5, 45}, {45, 5, 50}};
  const std::vector<GrowthPoint> step1024 = {
      {0, 1024, 1024},    {1024, 1024, 2048}, {2048, 1024, 3072},
      {3072, 1024, 4096}, {4096, 1024, 5120}, {5120, 1280, 6400},
      {6400, 1600, 8000}, {8000, 1600, 9600}, {9600, 1920, 11520}};
  const struct {
    int64_t step, pushes;
    const std::vector<GrowthPoint>& points;
  } rows[] = {{1, 50, step1}, {1024, 9601, step1024}};
  for (const auto& row : rows) {
    IndexStack stack;
    IndexStackInit(&stack, row.step);
    EXPECT_EQ(PushAndRecord(&stack, row.pushes), row.points) << "step " << row.step;
    PopAll(&stack);
    EXPECT_EQ(stack.items, nullptr) << "step " << row.step;
    EXPECT_EQ(stack.chunk, row.step) << "step " << row.step;
  }
}

TEST(IndexStack, PoppingBackTo1024ShrinksAndTheNextPushGrowsAgain) {
  IndexStack stack;
  IndexStackInit(&stack, 1024);
  ASSERT_EQ(PushAndRecord(&stack, 1025).size(), 2u);
  EXPECT_EQ(stack.capacity, 2048);
  EXPECT_EQ(IndexStackPop(&stack), 1025u);
  EXPECT_EQ(stack.capacity, 1024);
  EXPECT_EQ(stack.chunk, 1024);
  IndexStackPush(&stack, 99);
  EXPECT_EQ(stack.capacity, 2048);
  PopAll(&stack);
}

TEST(IndexStack, StepOneShrinksWhereTheRecomputedChunkDividesTheCount) {
  IndexStack stack;
  IndexStackInit(&stack, 1);
  PushAndRecord(&stack, 50);
  std::vector<int64_t> capacities;
  while (IndexStackCount(&stack) > 0) {
    const int64_t before = stack.capacity;
    IndexStackPop(&stack);
    if (stack.capacity != before) capacities.push_back(stack.capacity);
  }
  const std::vector<int64_t> expected = {45, 40, 35, 34, 32, 28, 24, 21, 18, 15,
                                         14, 12, 10, 8,  6,  4,  3,  2,  1,  0};
  EXPECT_EQ(capacities, expected);
}

TEST(IndexStack, ValuesComeBackInReverseOrderAndPoppedSlotsReadZero) {
  IndexStack stack;
  IndexStackInit(&stack, 4);
  for (uint64_t v : {uint64_t{10}, UINT64_MAX, uint64_t{1} << 63}) IndexStackPush(&stack, v);
  const uint64_t* storage = stack.items;
  EXPECT_EQ(IndexStackPop(&stack), uint64_t{1} << 63);
  EXPECT_EQ(storage[2], 0u);
  EXPECT_EQ(IndexStackPop(&stack), UINT64_MAX);
  EXPECT_EQ(storage[1], 0u);
  EXPECT_EQ(IndexStackCount(&stack), 1);
  EXPECT_EQ(IndexStackPop(&stack), 10u);
  EXPECT_EQ(stack.items, nullptr);
}

TEST(IndexStack, PushThatCannotGrowIsRefusedAndHoldsNothing) {
  IndexStack stack;
  IndexStackInit(&stack, INT64_MAX / 2);  // a byte size no allocator could give
  EXPECT_FALSE(IndexStackPush(&stack, 5));
  EXPECT_EQ(IndexStackCount(&stack), 0);
  EXPECT_EQ(stack.items, nullptr);
}

}  // namespace
