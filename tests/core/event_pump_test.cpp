// The event calls: one call late, the two slots, the pump's shortcuts, hooks and throttle.
#include "tests/core/event_test_window.h"
#include "tests/support/message_log.h"
#include "toolkit/core/shortcut_table.h"

HWND EventTest::window_ = nullptr;

namespace {

TEST_F(EventTest, EventsArriveOneCallLateAndTheSlotsKeepTheirRules) {
  EXPECT_EQ(EventPoll(), 0);  // nothing parked, nothing queued
  EXPECT_EQ(EventSourceWindow(), nullptr);
  PostMessageA(window_, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(EventPoll(), 0);  // retrieves and dispatches
  EXPECT_EQ(EventMessageRecord()->message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(EventMessageRecord()->hwnd, window_);
  EXPECT_EQ(EventPoll(), WM_KEYDOWN);  // reports what the dispatch parked
  EXPECT_EQ(EventDetail(), 'A');
  // The later of two messages parked in slot A wins.
  SendMessageA(window_, WM_KEYDOWN, 'X', 0);
  SendMessageA(window_, WM_COMMAND, 0x55, 0);
  EXPECT_EQ(EventPoll(), EVENT_MENU);
  // A resize in slot B survives a following mouse move and comes after it.
  SendMessageA(window_, WM_SIZE, 0, MAKELPARAM(120, 80));
  SendMessageA(window_, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
  EXPECT_EQ(EventPoll(), WM_MOUSEMOVE);
  EXPECT_EQ(EventPoll(), WM_SIZE);
  EXPECT_EQ(EventSizeWidth(), 120);
  EXPECT_EQ(EventSizeHeight(), 80);
  EXPECT_EQ(EventPoll(), 0);
  // EventWait blocks until a message comes, and reports it on the next call.
  SetTimer(window_, 9, 20, nullptr);
  EXPECT_EQ(EventWait(), 0);
  EXPECT_EQ(EventWait(), WM_TIMER);
  EXPECT_EQ(EventSourceId(), 9);
  KillTimer(window_, 9);
}

TEST_F(EventTest, ARealResizeLeavesTheClientSize) {
  RECT frame = {0, 0, 300, 200};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER);
  const auto codes = PollUntil([](std::int32_t code) { return code == WM_SIZE; });
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.back(), WM_SIZE);
  EXPECT_EQ(EventSizeWidth(), 300);
  EXPECT_EQ(EventSizeHeight(), 200);
}

TEST_F(EventTest, CloseRequestsLeaveTheWindowOpen) {
  MessageLogStart();
  SendMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  MessageLogStop();
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_TRUE(MessageSequenceMatches(
      {{WM_SYSCOMMAND, EXPECT_WPARAM, SC_CLOSE, 0}, {WM_CLOSE, EXPECT_ANY, 0, 0}},
      MessageLogTake()));
  EXPECT_EQ(EventPoll(), WM_CLOSE);
  EXPECT_EQ(EventSourceWindow(), window_);
}

TEST_F(EventTest, DefaultProcedureIsDefFrameProcOnlyForTheFramesOwnClient) {
  HWND frame = WindowOpen("frame", 0, 0, 200, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr);
  ASSERT_NE(frame, nullptr);
  CLIENTCREATESTRUCT client_info = {};
  HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 150, 150,
                                frame, nullptr, nullptr, &client_info);
  ASSERT_NE(client, nullptr);
  // DefFrameProcA sizes its client on WM_SIZE; DefWindowProcA does not.
  const auto client_width_after = [client](HWND window, int width) {
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, 40));
    RECT rect = {};
    GetClientRect(client, &rect);
    return rect.right;
  };
  FrameClientSet(client);
  EXPECT_EQ(client_width_after(frame, 111), 111);
  EXPECT_EQ(client_width_after(window_, 90), 111);  // another window: not its client
  FrameClientSet(nullptr);
  EXPECT_EQ(client_width_after(frame, 50), 111);
  DestroyWindow(frame);
  CurrentWindowSet(window_);
}

std::vector<UINT> hooked;
std::int64_t WindowHook(HWND, UINT message, WPARAM, LPARAM) {
  hooked.push_back(message);
  return message == WM_KEYDOWN ? 5 : 0;
}
std::vector<MSG> dispatched;
void PostHook(HWND window, UINT message, WPARAM wparam, LPARAM lparam, DWORD time,
              std::uint64_t point) {
  const POINT pt = {static_cast<LONG>(point & 0xFFFFFFFF), static_cast<LONG>(point >> 32)};
  dispatched.push_back(MSG{window, message, wparam, lparam, time, pt});
}

TEST_F(EventTest, HooksSeeTheirMessagesUntilCleared) {
  // An answer from the window-procedure hook ends the toolkit's processing: nothing is parked.
  EXPECT_EQ(MessageHookSet(&WindowHook, HOOK_WINDOW_PROC), 1);
  EXPECT_EQ(SendMessageA(window_, WM_KEYDOWN, 'Q', 0), 5);
  EXPECT_EQ(EventPoll(), 0);
  SendMessageA(window_, WM_KEYUP, 'Q', 0);
  EXPECT_EQ(EventPoll(), WM_KEYUP);
  EXPECT_EQ(MessageHookClear(HOOK_WINDOW_PROC), 1);
  EXPECT_EQ(MessageHookSet(&WindowHook, 7), 1);  // an unknown slot changes nothing
  SendMessageA(window_, WM_KEYDOWN, 'Q', 0);
  EXPECT_EQ(EventPoll(), WM_KEYDOWN);  // parked again now that no hook answers
  EXPECT_EQ(hooked, (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP}));

  EXPECT_EQ(MessageHookSet(&PostHook, HOOK_POST_DISPATCH), 1);
  PostMessageA(window_, WM_APP + 1, 11, 22);
  EXPECT_EQ(EventPoll(), 0);
  ASSERT_EQ(dispatched.size(), 1u);
  const MSG* record = EventMessageRecord();
  EXPECT_EQ(dispatched[0].hwnd, window_);
  EXPECT_EQ(dispatched[0].message, static_cast<UINT>(WM_APP + 1));
  EXPECT_EQ(dispatched[0].wParam, 11u);
  EXPECT_EQ(dispatched[0].lParam, 22);
  EXPECT_EQ(dispatched[0].time, record->time);
  EXPECT_EQ(dispatched[0].pt.x, record->pt.x);
  EXPECT_EQ(dispatched[0].pt.y, record->pt.y);
  MessageHookClear(HOOK_POST_DISPATCH);
  PostMessageA(window_, WM_APP + 1, 0, 0);
  EventPoll();
  EXPECT_EQ(dispatched.size(), 1u);
}

TEST_F(EventTest, ShortcutsOfTheTopmostAncestorAreTranslated) {
  HWND child =
      CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, window_, nullptr, nullptr, nullptr);
  ACCEL accel = {FVIRTKEY, VK_F5, 0x321};
  HACCEL table = CreateAcceleratorTableA(&accel, 1);
  ASSERT_TRUE(ShortcutTableReserve(1));
  ShortcutTableEntries()[1] = ShortcutEntry{table, window_};
  ShortcutTableLastSet(1);
  ShortcutTableInUseSet(1);
  // A key aimed at the child is translated with the table of its top-level window.
  PostMessageA(child, WM_KEYDOWN, VK_F5, 0);
  EXPECT_EQ(PollUntil([](std::int32_t code) { return code == EVENT_MENU; }, 2000).back(),
            EVENT_MENU);
  EXPECT_EQ(EventSourceId(), 0x321);
  // Not a shortcut; past the last index; the table not in use: dispatched as usual.
  const auto dispatched_as_key = [this](WPARAM key) {
    PostMessageA(window_, WM_KEYDOWN, key, 0);
    return EventPoll() == 0 && EventPoll() == WM_KEYDOWN && EventDetail() == static_cast<int>(key);
  };
  EXPECT_TRUE(dispatched_as_key(VK_F6));
  ShortcutTableLastSet(0);
  EXPECT_TRUE(dispatched_as_key(VK_F5));
  ShortcutTableLastSet(1);
  ShortcutTableInUseSet(0);
  EXPECT_TRUE(dispatched_as_key(VK_F5));
  ShortcutTableEntries()[1] = ShortcutEntry{};
  DestroyAcceleratorTable(table);
  DestroyWindow(child);
}

TEST_F(EventTest, ThrottleAndPageStep) {
  // The throttle only ever sleeps; n of 1 or less sleeps on every call.
  for (std::int64_t n : {1, 0, -3, 10}) {
    for (int i = 0; i < 12; ++i) EventPollThrottle(n);
  }
  HWND bar = CreateWindowExA(0, "ScrollBar", "", WS_CHILD | SBS_HORZ, 0, 0, 50, 10, window_,
                             nullptr, nullptr, nullptr);
  EXPECT_EQ(ScrollPageStepSetHandle(bar, 25), 1);
  EXPECT_EQ(GetPropA(bar, "pagestep"), reinterpret_cast<HANDLE>(25));
  EXPECT_EQ(ScrollPageStepSet(999, 5), 0);  // no such gadget
  DestroyWindow(bar);
}

}  // namespace
