// Picture gadgets: the control made, the image kind it is given, ids, replacement and release.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/wine_host.h"
#include "toolkit/core/registries.h"
#include "toolkit/core/toolkit.h"

namespace {

// STM_SETIMAGE calls seen by the thread's window procedures: (image kind, image).
std::vector<std::pair<WPARAM, LPARAM>> set_image_calls;

LRESULT CALLBACK SeeSetImage(int code, WPARAM wparam, LPARAM lparam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && sent->message == STM_SETIMAGE) {
    set_image_calls.emplace_back(sent->wParam, sent->lParam);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

class PictureGadget : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    window_ =
        WindowOpen("pictures", 50, 50, 300, 300, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, nullptr);
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, SeeSetImage, nullptr, GetCurrentThreadId());
  }
  static void TearDownTestSuite() { UnhookWindowsHookEx(hook_); }
  void SetUp() override {
    ASSERT_NE(window_, nullptr) << "no display?";
    ASSERT_NE(hook_, nullptr);
    CurrentWindowSet(window_);
    set_image_calls.clear();
    bitmap_ = CreateBitmap(26, 26, 1, 32, nullptr);
    icon_ = LoadIconA(nullptr, IDI_APPLICATION);
  }
  void TearDown() override { DeleteObject(bitmap_); }
  static HWND window_;
  static HHOOK hook_;
  HBITMAP bitmap_ = nullptr;
  HICON icon_ = nullptr;
};
HWND PictureGadget::window_ = nullptr;
HHOOK PictureGadget::hook_ = nullptr;

TEST_F(PictureGadget, ABitmapWithStyle14) {
  HWND picture = PictureGadgetCreate(1, 30, 30, 26, 26, bitmap_, 0, 14);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(GetParent(picture), window_);
  EXPECT_EQ(GetDlgCtrlID(picture), 1);
  EXPECT_EQ(WindowClassNameGet(picture), "Static");
  const LONG_PTR style = GetWindowLongPtrA(picture, GWL_STYLE);
  EXPECT_EQ(style & 0x50000100, 0x50000100);
  EXPECT_EQ(style & SS_TYPEMASK, SS_BITMAP);
  EXPECT_EQ(GetWindowLongPtrA(picture, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  ASSERT_EQ(set_image_calls.size(), 1u);
  EXPECT_EQ(set_image_calls[0].first, static_cast<WPARAM>(IMAGE_BITMAP));
  EXPECT_EQ(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0),
            reinterpret_cast<LRESULT>(bitmap_));
  EXPECT_EQ(GadgetWindowOf(1), picture);
  GadgetFree(1);
}

TEST_F(PictureGadget, AnIconWithStyle3AndABorder) {
  HWND picture = PictureGadgetCreate(2, 90, 90, 26, 26, icon_, 1, 3);
  ASSERT_NE(picture, nullptr);
  EXPECT_NE(GetWindowLongPtrA(picture, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  ASSERT_EQ(set_image_calls.size(), 1u);
  EXPECT_EQ(set_image_calls[0].first, static_cast<WPARAM>(IMAGE_ICON));
  EXPECT_EQ(SendMessageA(picture, STM_GETIMAGE, IMAGE_ICON, 0), reinterpret_cast<LRESULT>(icon_));
  GadgetFree(2);
}

TEST_F(PictureGadget, OnlyStyle14ExactlyIsABitmap) {
  HWND picture = PictureGadgetCreate(3, 0, 0, 26, 26, bitmap_, 0, 14 | 0x200);
  ASSERT_NE(picture, nullptr);
  ASSERT_EQ(set_image_calls.size(), 1u);
  EXPECT_EQ(set_image_calls[0].first, static_cast<WPARAM>(IMAGE_ICON));
  GadgetFree(3);
}

TEST_F(PictureGadget, NoImageSendsNothing) {
  HWND picture = PictureGadgetCreate(4, 0, 0, 26, 26, nullptr, 0, 14);
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(set_image_calls.empty());
  GadgetFree(4);
}

TEST_F(PictureGadget, IdsAboveSixteenBitsAreCreatedAndFreed) {
  HWND picture = PictureGadgetCreate(70000, 0, 0, 26, 26, bitmap_, 0, 14);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(GetWindowLongPtrA(picture, GWLP_ID), 70000);
  EXPECT_EQ(GadgetWindowOf(70000), picture);
  GadgetFree(70000);
  EXPECT_FALSE(IsWindow(picture));
  EXPECT_EQ(GadgetWindowOf(70000), nullptr);
}

TEST_F(PictureGadget, ANewPictureUnderAUsedIdReplacesTheOld) {
  HWND first = PictureGadgetCreate(5, 0, 0, 26, 26, bitmap_, 0, 14);
  HWND second = PictureGadgetCreate(5, 40, 0, 26, 26, bitmap_, 0, 14);
  ASSERT_NE(second, nullptr);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(GadgetWindowOf(5), second);
  GadgetFree(5);
  EXPECT_EQ(HandleListCount(GadgetRegistryGet()), 0u);
}

TEST_F(PictureGadget, FreeingLeavesTheImageValid) {
  HWND picture = PictureGadgetCreate(6, 0, 0, 26, 26, bitmap_, 0, 14);
  ASSERT_NE(picture, nullptr);
  GadgetFree(6);
  BITMAP info = {};
  EXPECT_EQ(GetObjectA(bitmap_, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 26);
  // It can be shown again.
  HWND again = PictureGadgetCreate(6, 0, 0, 26, 26, bitmap_, 0, 14);
  EXPECT_EQ(SendMessageA(again, STM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(bitmap_));
  GadgetFree(6);
}

TEST_F(PictureGadget, AClickComesBackWithTheLowSixteenBitsOfTheId) {
  HWND picture = PictureGadgetCreate(0x10002, 60, 60, 26, 26, icon_, 0, 3);
  ASSERT_NE(picture, nullptr);
  PumpFor(50);
  PollDrain();
  const POINT centre = WindowCentre(picture);
  ASSERT_TRUE(HostClick(centre.x, centre.y));
  const auto codes = PollUntil([](std::int32_t code) { return code == EVENT_GADGET; });
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.back(), EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 2);
  GadgetFree(0x10002);
}

}  // namespace
