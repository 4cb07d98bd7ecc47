// IndexStack: a LIFO of 64-bit values whose storage grows and shrinks in chunks.
#pragma once

#include <cstdint>

struct IndexStack {
  uint64_t* items;   // null when nothing is allocated
  int64_t count;     // values held; the top is in slot count - 1
  int64_t chunk;     // current growth quantum, at least 1
  int64_t step;      // base growth amount, at least 1
  int64_t capacity;  // slots allocated; no slot at or beyond it is ever touched
};

void IndexStackInit(IndexStack* stack, int64_t step);
// Returns false, and holds nothing new, when the storage could not be grown.
bool IndexStackPush(IndexStack* stack, uint64_t value);
// Returns the top value; an empty stack gives 0 and stays as it is.
uint64_t IndexStackPop(IndexStack* stack);
int64_t IndexStackCount(const IndexStack* stack);
