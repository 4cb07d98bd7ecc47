// Picture gadgets: the control made, the kind of image it is given, ids, release and clicks.
#include <gtest/gtest.h>

#include "tests/support/wine_host.h"
#include "toolkit/core/toolkit.h"

namespace {

// STM_SETIMAGE calls seen by the thread's window procedures: (image kind, image).
std::vector<std::pair<WPARAM, LPARAM>> set_image_calls;

// Each row also gets a real click, which must come back with the low 16 bits of the id.
TEST(PictureGadget, TakesItsImageByStyleReportsClicksAndLeavesTheImageWhenFreed) {
  HWND window =
      WindowOpen("pictures", 50, 50, 300, 300, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, nullptr);
  ASSERT_NE(window, nullptr) << "no display?";
  PumpFor(100);  // let the window appear before anything is clicked
  HBITMAP bitmap = CreateBitmap(26, 26, 1, 32, nullptr);
  HICON icon = CopyIcon(LoadIconA(nullptr, IDI_APPLICATION));  // one that DestroyIcon can end
  const HOOKPROC see = [](int code, WPARAM wparam, LPARAM lparam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION && sent->message == STM_SETIMAGE)
      set_image_calls.emplace_back(sent->wParam, sent->lParam);
    return CallNextHookEx(nullptr, code, wparam, lparam);
  };
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, see, nullptr, GetCurrentThreadId());
  // clang-format off
  const struct { GadgetId id; HANDLE image; int border, style; WPARAM kind; } rows[] = {
      {1, bitmap, 0, 14, IMAGE_BITMAP}, {2, icon, 1, 3, IMAGE_ICON},
      {3, bitmap, 0, 14 | 0x200, IMAGE_ICON}, {70000, bitmap, 0, 14, IMAGE_BITMAP}};
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(row.id);
    set_image_calls.clear();
    HWND picture = PictureGadgetCreate(row.id, 30, 30, 26, 26, row.image, row.border, row.style);
    EXPECT_EQ(GetParent(picture), window);
    EXPECT_EQ(GetWindowLongPtrA(picture, GWLP_ID), row.id);
    EXPECT_EQ(GadgetWindowOf(row.id), picture);
    EXPECT_EQ(WindowClassNameGet(picture), "Static");
    EXPECT_EQ(GetWindowLongPtrA(picture, GWL_STYLE) & (0x50000100 | SS_TYPEMASK),
              0x50000100 | (row.style & SS_TYPEMASK));
    EXPECT_EQ(GetWindowLongPtrA(picture, GWL_EXSTYLE) & WS_EX_CLIENTEDGE,
              row.border ? WS_EX_CLIENTEDGE : 0);
    EXPECT_EQ(set_image_calls,
              (std::vector{std::pair(row.kind, reinterpret_cast<LPARAM>(row.image))}));
    const POINT centre = WindowCentre(picture);
    ASSERT_TRUE(HostClick(centre.x, centre.y));
    const auto codes = PollUntil([](std::int32_t code) { return code == EVENT_GADGET; });
    EXPECT_EQ(codes.empty() ? 0 : codes.back(), EVENT_GADGET);
    EXPECT_EQ(EventSourceId(), row.id & 0xFFFF);
    GadgetFree(row.id);
    EXPECT_FALSE(IsWindow(picture));
  }
  UnhookWindowsHookEx(hook);
  EXPECT_TRUE(DeleteObject(bitmap));  // both fail on a handle that is no longer valid
  EXPECT_TRUE(DestroyIcon(icon));
}

}  // namespace
