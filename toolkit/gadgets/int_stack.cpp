// Integer stack: a counted last-in-first-out list of signed 32-bit values, one heap node each.
#include "toolkit/gadgets/int_stack.h"

#include <cstdlib>
#include <cstring>

// Records are malloc'ed: the stack is handed around as a window property and released by
// code that only knows these functions.
IntStack* IntStackNew() {
  auto* stack = static_cast<IntStack*>(std::malloc(sizeof(IntStack)));
  if (stack == nullptr) return nullptr;
  stack->count = 0;
  stack->top = nullptr;
  return stack;
}

void IntStackPush(IntStack* stack, std::int32_t value) {
  if (stack == nullptr) return;
  auto* node = static_cast<IntStackNode*>(std::malloc(sizeof(IntStackNode)));
  if (node == nullptr) return;  // out of memory: the value is simply not pushed
  std::memset(node, 0, sizeof(IntStackNode));
  node->value = value;
  if (stack->top == nullptr) {
    stack->count = 1;
  } else {
    node->next = stack->top;
    stack->count++;
  }
  stack->top = node;
}

std::int32_t IntStackPop(IntStack* stack) {
  if (stack == nullptr) return 0;
  if (stack->count == 0 || stack->top == nullptr) return INTSTACK_EMPTY;
  IntStackNode* node = stack->top;
  const std::int32_t value = node->value;
  stack->top = node->next;
  std::free(node);
  stack->count--;
  return value;
}

std::int32_t IntStackCount(const IntStack* stack) {
  return stack == nullptr ? 0 : stack->count;
}

void IntStackClear(IntStack* stack) {
  if (stack == nullptr) return;
  // Walk the nodes whatever the count says, so that no node can be left behind.
  IntStackNode* node = stack->top;
  while (node != nullptr) {
    IntStackNode* next = node->next;
    std::free(node);
    node = next;
  }
  stack->top = nullptr;
  stack->count = 0;
}

void IntStackDelete(IntStack* stack) {
  if (stack == nullptr) return;
  // Gadget release deletes a gadget's stack without clearing it first: free the values too,
  // or every deleted non-empty stack would leak its nodes.
  IntStackClear(stack);
  std::free(stack);
}
