// The integer stack, natively under ASan and LSan, and under Wine.
#include "toolkit/gadgets/int_stack.h"

#include <gtest/gtest.h>

namespace {

// -2 is both what an empty stack pops and a value that can be pushed; the count tells them apart.
TEST(IntStack, PopsInReverseThenTheEmptyMarkerAndReleasesWhatIsLeft) {
  IntStack* stack = IntStackNew();
  for (int v : {1, 2, -2}) IntStackPush(stack, v);
  EXPECT_EQ(IntStackCount(stack), 3);
  for (int v : {-2, 2, 1, -2}) EXPECT_EQ(IntStackPop(stack), v);
  EXPECT_EQ(IntStackCount(stack), 0);
  for (int i = 0; i < 100; ++i) IntStackPush(stack, i);
  IntStackClear(stack);  // LeakSanitizer reports any node it did not release
  EXPECT_EQ(IntStackPop(stack), -2);
  IntStackPush(stack, 7);  // still usable; left for the delete to release
  IntStackDelete(stack);
  EXPECT_EQ(IntStackPop(nullptr) + IntStackCount(nullptr), 0);
  IntStackPush(nullptr, 1);
  IntStackClear(nullptr);
  IntStackDelete(nullptr);
}

}  // namespace
