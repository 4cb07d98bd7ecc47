// WindowOpen when the first call asks for tab-stop navigation (style bit 0x1000).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "tests/support/message_log.h"
#include "toolkit/core/registries.h"
#include "toolkit/core/toolkit.h"

namespace {

constexpr std::uint64_t kVisibleOverlapped = WS_VISIBLE | WS_OVERLAPPEDWINDOW;

HWND first_window = nullptr;

// The first call of the process decides the tab-stop registry, so it is made once, here.
HWND FirstWindow() {
  if (first_window == nullptr) {
    EXPECT_FALSE(RegistriesCreated());
    EXPECT_EQ(CurrentWindowGet(), nullptr);
    first_window = WindowOpen("first", 10, 10, 200, 150, kVisibleOverlapped | 0x1000, 0, nullptr);
  }
  return first_window;
}

std::int64_t CountInClassName(const std::string& name) {
  // "CLASSCLASS_hh:mm:ss" is 19 characters; the count follows directly.
  return std::stoll(name.substr(19));
}

TEST(WindowOpen, FirstCallTakesTheTabStopBitOutOfTheStyle) {
  HWND window = FirstWindow();
  ASSERT_NE(window, nullptr) << "no display?";
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & 0x1000, 0);
  EXPECT_EQ(GetPropA(window, "tabstopenable"), reinterpret_cast<HANDLE>(1));
  EXPECT_NE(TabStopRegistryGet(), nullptr);
  EXPECT_EQ(CurrentWindowGet(), window);
}

TEST(WindowOpen, LaterWindowsGetTabStopsAndKeepTheBit) {
  ASSERT_NE(FirstWindow(), nullptr);
  HWND plain = WindowOpen("later", 20, 20, 200, 150, kVisibleOverlapped, 0, nullptr);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(GetPropA(plain, "tabstopenable"), reinterpret_cast<HANDLE>(1));
  HWND with_bit =
      WindowOpen("later bit", 20, 20, 200, 150, kVisibleOverlapped | 0x1000, 0, nullptr);
  ASSERT_NE(with_bit, nullptr);
  // The bit is now an ordinary style bit and reaches CreateWindowExA.
  EXPECT_NE(GetWindowLongPtrA(with_bit, GWL_STYLE) & 0x1000, 0);
  EXPECT_EQ(CurrentWindowGet(), with_bit);
  DestroyWindow(plain);
  DestroyWindow(with_bit);
}

TEST(WindowOpen, ClassNamesDifferWithinOneSecondAndCarryTheCount) {
  ASSERT_NE(FirstWindow(), nullptr);
  HWND a = WindowOpen("a", 0, 0, 100, 100, kVisibleOverlapped, 0, nullptr);
  HWND b = WindowOpen("b", 0, 0, 100, 100, kVisibleOverlapped, 0, nullptr);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  const std::string name_a = WindowClassNameGet(a);
  const std::string name_b = WindowClassNameGet(b);
  EXPECT_NE(name_a, name_b);
  ASSERT_EQ(name_a.rfind("CLASSCLASS_", 0), 0u) << name_a;
  EXPECT_EQ(name_a[13], ':');
  EXPECT_EQ(name_a[16], ':');
  EXPECT_EQ(CountInClassName(name_b), CountInClassName(name_a) + 1);
  // The class belongs to this window alone and its procedure is the toolkit's.
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetClassLongPtrA(a, GCLP_WNDPROC)), MainWindowProcAddress());
  EXPECT_EQ(GetClassLongPtrA(a, GCL_STYLE), 0x23);
  EXPECT_EQ(GetClassLongPtrA(a, GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
  DestroyWindow(a);
  DestroyWindow(b);
}

TEST(WindowOpen, AParentAddsControlParentAndTheTitleIsKept) {
  HWND parent = FirstWindow();
  ASSERT_NE(parent, nullptr);
  HWND child = WindowOpen("child", 5, 5, 80, 60, WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, parent);
  ASSERT_NE(child, nullptr);
  const LONG_PTR ex_style = GetWindowLongPtrA(child, GWL_EXSTYLE);
  EXPECT_NE(ex_style & WS_EX_CONTROLPARENT, 0);
  EXPECT_NE(ex_style & WS_EX_CLIENTEDGE, 0);
  EXPECT_EQ(GetParent(child), parent);
  char title[32] = {};
  GetWindowTextA(child, title, sizeof title);
  EXPECT_STREQ(title, "child");
  HWND top = WindowOpen("top", 5, 5, 80, 60, kVisibleOverlapped, 0, nullptr);
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(GetWindowLongPtrA(top, GWL_EXSTYLE) & WS_EX_CONTROLPARENT, 0);
  DestroyWindow(child);
  DestroyWindow(top);
}

TEST(WindowOpen, WindowOpenSendsTheUsualCreationMessagesThroughTheToolkit) {
  ASSERT_NE(FirstWindow(), nullptr);
  MessageLogStart();
  HWND window = WindowOpen("seq", 0, 0, 100, 100, WS_OVERLAPPEDWINDOW, 0, nullptr);
  MessageLogStop();
  ASSERT_NE(window, nullptr);
  const std::vector<ExpectedMessage> expected = {
      {WM_GETMINMAXINFO, EXPECT_ANY, 0, 0},
      {WM_NCCREATE, EXPECT_ANY, 0, 0},
      {WM_NCCALCSIZE, EXPECT_ANY, 0, 0},
      {WM_CREATE, EXPECT_ANY, 0, 0},
  };
  EXPECT_TRUE(MessageSequenceMatches(expected, MessageLogTake()));
  DestroyWindow(window);
}

TEST(WindowOpen, FailedCreationMakesTheCurrentWindowNull) {
  ASSERT_NE(FirstWindow(), nullptr);
  // A child style without a parent cannot be created.
  HWND window = WindowOpen("orphan", 0, 0, 10, 10, WS_CHILD, 0, nullptr);
  EXPECT_EQ(window, nullptr);
  EXPECT_EQ(CurrentWindowGet(), nullptr);
  CurrentWindowSet(FirstWindow());
  EXPECT_EQ(CurrentWindowGet(), FirstWindow());
}

TEST(WindowOpen, RegistrationFailurePrintsTheErrorAndKeepsTheCurrentWindow) {
  HWND window = FirstWindow();
  ASSERT_NE(window, nullptr);
  HWND probe = WindowOpen("probe", 0, 0, 10, 10, WS_OVERLAPPED, 0, nullptr);
  ASSERT_NE(probe, nullptr);
  const std::int64_t next = CountInClassName(WindowClassNameGet(probe)) + 1;
  CurrentWindowSet(window);
  // Take the next window's class name first, for this second and the two after it.
  WNDCLASSEXA taken = {};
  taken.cbSize = sizeof taken;
  taken.lpfnWndProc = DefWindowProcA;
  taken.hInstance = GetModuleHandleA(nullptr);
  SYSTEMTIME now;
  GetLocalTime(&now);
  std::vector<std::string> names;
  for (int ahead = 0; ahead < 3; ++ahead) {
    const int seconds = now.wHour * 3600 + now.wMinute * 60 + now.wSecond + ahead;
    char name[64];
    std::snprintf(name, sizeof name, "CLASSCLASS_%02d:%02d:%02d%lld", seconds / 3600 % 24,
                  seconds / 60 % 60, seconds % 60, static_cast<long long>(next));
    names.push_back(name);
    taken.lpszClassName = names.back().c_str();
    ASSERT_NE(RegisterClassExA(&taken), 0);
  }
  testing::internal::CaptureStdout();
  HWND failed = WindowOpen("fails", 0, 0, 10, 10, WS_OVERLAPPED, 0, nullptr);
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_EQ(failed, nullptr);
  EXPECT_EQ(printed, "RegisterClassEx() failed, error: 1410\n");
  EXPECT_EQ(CurrentWindowGet(), window);
  // The count moved on: the next window is numbered one further.
  HWND after = WindowOpen("after", 0, 0, 10, 10, WS_OVERLAPPED, 0, nullptr);
  ASSERT_NE(after, nullptr);
  EXPECT_EQ(CountInClassName(WindowClassNameGet(after)), next + 1);
  DestroyWindow(probe);
  DestroyWindow(after);
}

}  // namespace
