// Real X11 input end to end: a click on a notifying static and Alt+F4 on a toolkit window.
#include "tests/core/event_test_window.h"

HWND EventTest::window_ = nullptr;

namespace {

bool Activate(HWND window) {
  SetForegroundWindow(window);
  SetActiveWindow(window);
  PumpFor(50);
  return GetForegroundWindow() == window;
}

TEST_F(EventTest, ARealClickOnANotifyingStaticIsAGadgetEvent) {
  HWND picture = CreateWindowExA(0, "static", nullptr, WS_CHILD | WS_VISIBLE | SS_NOTIFY, 30, 30,
                                 26, 26, window_, reinterpret_cast<HMENU>(5), nullptr, nullptr);
  ASSERT_NE(picture, nullptr);
  PumpFor(50);
  PollDrain();
  const POINT centre = WindowCentre(picture);
  ASSERT_TRUE(HostClick(centre.x, centre.y)) << "xdotool failed";
  const auto codes = PollUntil([](std::int32_t code) { return code == EVENT_GADGET; });
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.back(), EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 5);
  EXPECT_EQ(EventSourceWindow(), picture);
  DestroyWindow(picture);
}

TEST_F(EventTest, AltF4IsACloseEventAndTheWindowStays) {
  ASSERT_TRUE(Activate(window_));
  ASSERT_TRUE(HostKeys("alt+F4")) << "xdotool failed";
  const auto codes = PollUntil([](std::int32_t code) { return code == WM_CLOSE; });
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.back(), WM_CLOSE);
  EXPECT_EQ(EventSourceWindow(), window_);
  PumpFor(100);
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_TRUE(IsWindowVisible(window_));
}

}  // namespace
