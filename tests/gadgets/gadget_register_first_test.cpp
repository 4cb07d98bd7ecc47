// Registration before any window exists: its own program, since no window may have been opened.
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
  GadgetFree(1);  // harmless, and leaves the window alone
  EXPECT_TRUE(IsWindow(message_only));
  DestroyWindow(message_only);
}

}  // namespace
