// IndexStack: a LIFO of 64-bit values whose storage grows and shrinks in chunks.
#include "toolkit/explorer/index_stack.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

constexpr double kChunkCountDivisor = 10.0;
// Largest slot count ever asked of the allocator: its byte size must fit a signed size.
constexpr int64_t kMaxValues = static_cast<int64_t>(PTRDIFF_MAX / sizeof(uint64_t));

// Round to the nearest integer, halves to the even neighbour, whatever the FPU mode is.
double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction > 0.5) return below + 1.0;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

// The chunk is about a tenth of the count plus the step, cut to a divisor of the count so
// that the next reallocation falls exactly on a chunk boundary.
void ChunkRecompute(IndexStack* stack) {
  const double wanted = RoundHalfEven(static_cast<double>(stack->count) / kChunkCountDivisor +
                                      static_cast<double>(stack->step));
  int64_t chunk =
      wanted >= static_cast<double>(kMaxValues) ? kMaxValues : static_cast<int64_t>(wanted);
  if (chunk < 1) chunk = 1;
  while (stack->count % chunk != 0) --chunk;
  stack->chunk = chunk;
}

// Resizes the storage to exactly `values` slots; on failure the old block stays as it was.
bool StorageResize(IndexStack* stack, int64_t values) {
  if (values == 0) {
    std::free(stack->items);
    stack->items = nullptr;
    stack->capacity = 0;
    return true;
  }
  if (values < 0 || values > kMaxValues) return false;
  void* grown = std::realloc(stack->items, static_cast<std::size_t>(values) * sizeof(uint64_t));
  if (grown == nullptr) return false;
  stack->items = static_cast<uint64_t*>(grown);
  stack->capacity = values;
  return true;
}

}  // namespace

void IndexStackInit(IndexStack* stack, int64_t step) {
  stack->items = nullptr;
  stack->count = 0;
  stack->chunk = 1;
  stack->step = step > 0 ? step : 1;
  stack->capacity = 0;
}

bool IndexStackPush(IndexStack* stack, uint64_t value) {
  if (stack->count % stack->chunk == 0) {
    ChunkRecompute(stack);
    const int64_t old_capacity = stack->capacity;
    if (stack->chunk > kMaxValues - stack->count ||
        !StorageResize(stack, stack->count + stack->chunk)) {
      return false;
    }
    if (stack->capacity > old_capacity) {
      std::memset(stack->items + old_capacity, 0,
                  static_cast<std::size_t>(stack->capacity - old_capacity) * sizeof(uint64_t));
    }
  }
  // A failed shrink may leave more room than the chunks say, never less.
  if (stack->items == nullptr || stack->count >= stack->capacity) return false;
  stack->items[stack->count] = value;
  ++stack->count;
  return true;
}

uint64_t IndexStackPop(IndexStack* stack) {
  if (stack->count <= 0 || stack->items == nullptr) return 0;
  --stack->count;
  const uint64_t value = stack->items[stack->count];
  stack->items[stack->count] = 0;
  if (stack->count % stack->chunk == 0) {
    // A shrink that fails keeps the larger block, which is still zero beyond the top.
    StorageResize(stack, stack->count);
    ChunkRecompute(stack);
  }
  return value;
}

int64_t IndexStackCount(const IndexStack* stack) {
  return stack->count;
}
