// The integer stack as applications use it: a last-in-first-out list of signed 32-bit values.
#pragma once

#include <cstdint>

#include "constants.h"

// The stack's record: its layout is the toolkit's own.
struct IntStack;

// Every operation accepts a null stack, which stands for no stack at all.

// A new empty stack on the process heap, or null when memory runs out.
IntStack* IntStackNew();
// Pushes value; does nothing for a null stack or when memory runs out.
void IntStackPush(IntStack* stack, std::int32_t value);
// Removes and returns the top value: INTSTACK_EMPTY when the stack is empty, 0 for a null stack.
// INTSTACK_EMPTY can also be pushed: IntStackCount tells the two apart.
std::int32_t IntStackPop(IntStack* stack);
// The number of values held; 0 for a null stack.
std::int32_t IntStackCount(const IntStack* stack);
// Removes every value; the stack stays usable.
void IntStackClear(IntStack* stack);
// Releases the stack together with any values still on it; the pointer is then invalid.
void IntStackDelete(IntStack* stack);
