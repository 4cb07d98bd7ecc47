// Registration and release before any window exists.
#include <gtest/gtest.h>

#include "toolkit/core/registries.h"
#include "toolkit/core/toolkit.h"

namespace {

TEST(GadgetRegisterBeforeAnyWindow, RegistersNothingAndFreesNothing) {
  HWND message_only =
      CreateWindowExA(0, "Static", "", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(message_only, nullptr);
  EXPECT_EQ(GadgetRegister(1, message_only), 0);
  EXPECT_EQ(GadgetRegistryGet(), nullptr);
  GadgetFree(1);
  EXPECT_TRUE(IsWindow(message_only));
  // No parent: the picture cannot be made, and nothing is registered.
  EXPECT_EQ(PictureGadgetCreate(1, 0, 0, 10, 10, nullptr, 0, 14), nullptr);
  EXPECT_EQ(GadgetWindowOf(1), nullptr);
  DestroyWindow(message_only);
}

}  // namespace
