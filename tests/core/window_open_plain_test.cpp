// WindowOpen when the first call does not ask for tab-stop navigation.
#include <gtest/gtest.h>

#include "toolkit/core/registries.h"
#include "toolkit/core/toolkit.h"

namespace {

TEST(WindowOpenWithoutTabStops, NoWindowEverGetsTabStopEnable) {
  EXPECT_EQ(CurrentWindowGet(), nullptr);
  HWND first = WindowOpen("1", 0, 0, 100, 100, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, nullptr);
  ASSERT_NE(first, nullptr) << "no display?";
  EXPECT_EQ(TabStopRegistryGet(), nullptr);
  EXPECT_EQ(GetPropA(first, "tabstopenable"), nullptr);
  HWND with_bit =
      WindowOpen("2", 0, 0, 100, 100, WS_VISIBLE | WS_OVERLAPPEDWINDOW | 0x1000, 0, nullptr);
  ASSERT_NE(with_bit, nullptr);
  EXPECT_EQ(GetPropA(with_bit, "tabstopenable"), nullptr);
  EXPECT_EQ(TabStopRegistryGet(), nullptr);
  // Removing a tab-stop entry without the registry is harmless.
  TabStopEntryRemove(1);
}

}  // namespace
