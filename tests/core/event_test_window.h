// A toolkit window shared by the event tests of one program, and a delivering helper.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/support/wine_host.h"
#include "toolkit/core/toolkit.h"

class EventTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitCommonControls();
    if (window_ == nullptr)
      window_ =
          WindowOpen("events", 100, 100, 300, 250, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, nullptr);
  }
  void SetUp() override {
    ASSERT_NE(window_, nullptr) << "no display?";
    PollDrain();
  }
  // The window procedure parks the message; the next call reports it.
  static std::int32_t Deliver(UINT message, WPARAM wparam, LPARAM lparam) {
    SendMessageA(window_, message, wparam, lparam);
    return EventPoll();
  }
  static inline HWND window_ = nullptr;
};
