// Integer stack: a counted last-in-first-out list of signed 32-bit values, one heap node each.
#pragma once

#include <cstdint>

#include "toolkit/gadgets/gadget_constants.h"

struct IntStackNode {
  std::int32_t value;
  IntStackNode* next;  // the node pushed before this one; null at the bottom
};

struct IntStack {
  std::int32_t count;
  IntStackNode* top;  // the most recently pushed node; null when empty
};

// Every operation accepts a null stack, which stands for no stack at all.
IntStack* IntStackNew();
void IntStackPush(IntStack* stack, std::int32_t value);
// The top value, INTSTACK_EMPTY when the stack is empty, 0 for a null stack.
std::int32_t IntStackPop(IntStack* stack);
std::int32_t IntStackCount(const IntStack* stack);
void IntStackClear(IntStack* stack);
// Releases the stack together with any values still on it.
void IntStackDelete(IntStack* stack);
