// WindowOpen when the first call asks for tab-stop navigation (style bit 0x1000).
#include <gtest/gtest.h>

#include "toolkit/core/toolkit.h"

namespace {

constexpr std::uint64_t kShown = WS_VISIBLE | WS_OVERLAPPEDWINDOW;

HWND Open(const char* title, std::uint64_t style = kShown, HWND parent = nullptr) {
  return WindowOpen(title, 10, 10, 120, 100, style, 0, parent);
}

// "CLASSCLASS_hh:mm:ss" is 19 characters; the count follows directly.
std::int64_t CountOf(HWND window) {
  return std::stoll(WindowClassNameGet(window).substr(19));
}

// One test: the first call of the process decides the tab-stop registry.
TEST(WindowOpen, ClassesStylesPropertiesAndTheCurrentWindow) {
  HWND first = Open("first", kShown | 0x1000);
  ASSERT_NE(first, nullptr) << "no display?";
  EXPECT_EQ(GetWindowLongPtrA(first, GWL_STYLE) & 0x1000, 0);  // taken out on the first call
  const std::string name = WindowClassNameGet(first);
  EXPECT_EQ(name.substr(0, 11) + name.substr(13, 1) + name.substr(16, 1), "CLASSCLASS_::") << name;
  EXPECT_EQ(GetClassLongPtrA(first, GCL_STYLE), 0x23);
  EXPECT_EQ(GetClassLongPtrA(first, GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
  // Later windows get tab stops too, and the bit is then an ordinary style bit. Two windows
  // within one second still get classes of their own.
  HWND plain = Open("plain"), with_bit = Open("bit", kShown | 0x1000);
  EXPECT_EQ(GetPropA(plain, "tabstopenable"), reinterpret_cast<HANDLE>(1));
  EXPECT_NE(GetWindowLongPtrA(with_bit, GWL_STYLE) & 0x1000, 0);
  EXPECT_EQ(CountOf(with_bit), CountOf(plain) + 1);
  // A parent adds WS_EX_CONTROLPARENT to the caller's extended style.
  HWND child = WindowOpen("child", 5, 5, 80, 60, WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, first);
  EXPECT_EQ(GetWindowLongPtrA(child, GWL_EXSTYLE) & (WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE),
            WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE);
  // A window that cannot be created (a child without parent) leaves no current window.
  EXPECT_EQ(CurrentWindowGet(), child);
  EXPECT_EQ(Open("orphan", WS_CHILD), nullptr);
  EXPECT_EQ(CurrentWindowGet(), nullptr);
}

}  // namespace
