// Integer stack: the record layout behind the public operations, one heap node per value.
#pragma once

#include <cstdint>

#include <vantrel/int_stack_api.h>

struct IntStackNode {
  std::int32_t value;
  IntStackNode* next;  // the node pushed before this one; null at the bottom
};

struct IntStack {
  std::int32_t count;
  IntStackNode* top;  // the most recently pushed node; null when empty
};
