// The event calls: one call late, the two slots, the pump's shortcuts, hooks and throttle.
#include "tests/core/event_test_window.h"
#include "tests/support/message_log.h"
#include "toolkit/core/shortcut_table.h"

HWND EventTest::window_ = nullptr;

namespace {

TEST_F(EventTest, NothingParkedAndAnEmptyQueueGivesZeroAtOnce) {
  EXPECT_EQ(EventPoll(), 0);
  EXPECT_EQ(EventSourceId(), 0);
  EXPECT_EQ(EventSourceWindow(), nullptr);
}

TEST_F(EventTest, AQueuedMessageIsReportedOneCallLate) {
  PostMessageA(window_, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(EventPoll(), 0);  // retrieves and dispatches
  EXPECT_EQ(EventMessageRecord()->message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(EventMessageRecord()->hwnd, window_);
  EXPECT_EQ(EventPoll(), WM_KEYDOWN);  // reports what the dispatch parked
  EXPECT_EQ(EventDetail(), 'A');
  EXPECT_EQ(EventPoll(), 0);
}

TEST_F(EventTest, EventWaitBlocksForAMessageAndReportsItNextCall) {
  SetTimer(window_, 9, 20, nullptr);
  EXPECT_EQ(EventWait(), 0);
  EXPECT_EQ(EventWait(), WM_TIMER);
  EXPECT_EQ(EventSourceId(), 9);
  KillTimer(window_, 9);
}

TEST_F(EventTest, TheLaterOfTwoParkedMessagesWins) {
  SendMessageA(window_, WM_KEYDOWN, 'X', 0);
  SendMessageA(window_, WM_COMMAND, 0x55, 0);
  EXPECT_EQ(EventPoll(), EVENT_MENU);
  EXPECT_EQ(EventSourceId(), 0x55);
  EXPECT_EQ(EventPoll(), 0);
}

TEST_F(EventTest, AResizeInSlotBSurvivesAFollowingMouseMove) {
  SendMessageA(window_, WM_SIZE, 0, MAKELPARAM(120, 80));
  SendMessageA(window_, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
  EXPECT_EQ(EventPoll(), WM_MOUSEMOVE);
  EXPECT_EQ(EventPoll(), WM_SIZE);
  EXPECT_EQ(EventSizeWidth(), 120);
  EXPECT_EQ(EventSizeHeight(), 80);
  EXPECT_EQ(EventPoll(), 0);
}

TEST_F(EventTest, ARealResizeLeavesTheClientSize) {
  RECT frame = {0, 0, 300, 200};
  AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER);
  const auto codes = PollUntil([](std::int32_t code) { return code == WM_SIZE; });
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.back(), WM_SIZE);
  RECT client = {};
  GetClientRect(window_, &client);
  EXPECT_EQ(EventSizeWidth(), client.right);
  EXPECT_EQ(EventSizeHeight(), client.bottom);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
}

TEST_F(EventTest, CloseRequestsLeaveTheWindowOpen) {
  MessageLogStart();
  SendMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  MessageLogStop();
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_TRUE(IsWindowVisible(window_));
  const std::vector<ExpectedMessage> expected = {
      {WM_SYSCOMMAND, EXPECT_WPARAM, SC_CLOSE, 0},
      {WM_CLOSE, EXPECT_ANY, 0, 0},
  };
  EXPECT_TRUE(MessageSequenceMatches(expected, MessageLogTake()));
  // The close request was parked after the system command and is what the next call reports.
  EXPECT_EQ(EventPoll(), WM_CLOSE);
  EXPECT_EQ(EventSourceWindow(), window_);
  EXPECT_EQ(SendMessageA(window_, WM_CLOSE, 0, 0), 0);
  EXPECT_TRUE(IsWindow(window_));
}

TEST_F(EventTest, DefaultProcedureIsDefFrameProcOnlyForTheFramesOwnClient) {
  HWND frame = WindowOpen("frame", 0, 0, 200, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr);
  ASSERT_NE(frame, nullptr);
  CLIENTCREATESTRUCT client_info = {};
  HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 150, 150,
                                frame, nullptr, nullptr, &client_info);
  ASSERT_NE(client, nullptr);
  FrameClientSet(client);
  // DefFrameProcA resizes its client on WM_SIZE; DefWindowProcA does not.
  SendMessageA(frame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(111, 77));
  RECT rect = {};
  GetClientRect(client, &rect);
  EXPECT_EQ(rect.right, 111);
  EXPECT_EQ(rect.bottom, 77);
  SendMessageA(window_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(90, 60));
  GetClientRect(client, &rect);
  EXPECT_EQ(rect.right, 111);
  FrameClientSet(nullptr);
  SendMessageA(frame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(50, 40));
  GetClientRect(client, &rect);
  EXPECT_EQ(rect.right, 111);
  DestroyWindow(frame);
  CurrentWindowSet(window_);
}

std::vector<UINT> hooked_messages;
std::int64_t answer_for_keydown = 0;

std::int64_t WindowHook(HWND, UINT message, WPARAM, LPARAM) {
  hooked_messages.push_back(message);
  return message == WM_KEYDOWN ? answer_for_keydown : 0;
}

TEST_F(EventTest, AWindowProcHookThatAnswersEndsTheToolkitsProcessing) {
  hooked_messages.clear();
  answer_for_keydown = 5;
  EXPECT_EQ(MessageHookSet(&WindowHook, HOOK_WINDOW_PROC), 1);
  EXPECT_EQ(SendMessageA(window_, WM_KEYDOWN, 'Q', 0), 5);
  EXPECT_EQ(EventPoll(), 0);  // answered by the hook: nothing was parked
  answer_for_keydown = 0;
  SendMessageA(window_, WM_KEYDOWN, 'Q', 0);
  EXPECT_EQ(EventPoll(), WM_KEYDOWN);
  EXPECT_EQ(MessageHookClear(HOOK_WINDOW_PROC), 1);
  const std::size_t seen = hooked_messages.size();
  SendMessageA(window_, WM_KEYDOWN, 'Q', 0);
  EXPECT_EQ(hooked_messages.size(), seen);
  EXPECT_EQ(seen, 2u);
  // A hook of the other kind or an unknown slot changes nothing.
  EXPECT_EQ(MessageHookSet(&WindowHook, 7), 1);
  SendMessageA(window_, WM_KEYDOWN, 'Q', 0);
  EXPECT_EQ(hooked_messages.size(), seen);
}

struct Dispatched {
  HWND window;
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
  DWORD time;
  std::uint64_t point;
};
std::vector<Dispatched> dispatched;

void PostHook(HWND window, UINT message, WPARAM wparam, LPARAM lparam, DWORD time,
              std::uint64_t point) {
  dispatched.push_back(Dispatched{window, message, wparam, lparam, time, point});
}

TEST_F(EventTest, APostDispatchHookSeesEveryRetrievedMessage) {
  dispatched.clear();
  EXPECT_EQ(MessageHookSet(&PostHook, HOOK_POST_DISPATCH), 1);
  PostMessageA(window_, WM_APP + 1, 11, 22);
  EXPECT_EQ(EventPoll(), 0);
  ASSERT_EQ(dispatched.size(), 1u);
  EXPECT_EQ(dispatched[0].window, window_);
  EXPECT_EQ(dispatched[0].message, static_cast<UINT>(WM_APP + 1));
  EXPECT_EQ(dispatched[0].wparam, 11u);
  EXPECT_EQ(dispatched[0].lparam, 22);
  const MSG* record = EventMessageRecord();
  EXPECT_EQ(dispatched[0].time, record->time);
  EXPECT_EQ(static_cast<std::int32_t>(dispatched[0].point & 0xFFFFFFFF), record->pt.x);
  EXPECT_EQ(static_cast<std::int32_t>(dispatched[0].point >> 32), record->pt.y);
  MessageHookClear(HOOK_POST_DISPATCH);
  PostMessageA(window_, WM_APP + 1, 0, 0);
  EXPECT_EQ(EventPoll(), 0);
  EXPECT_EQ(dispatched.size(), 1u);
}

TEST_F(EventTest, ShortcutsOfTheTopmostAncestorAreTranslated) {
  HWND child = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, window_,
                               nullptr, nullptr, nullptr);
  ASSERT_NE(child, nullptr);
  ACCEL accel = {FVIRTKEY, VK_F5, 0x321};
  HACCEL table = CreateAcceleratorTableA(&accel, 1);
  ASSERT_NE(table, nullptr);
  ASSERT_TRUE(ShortcutTableReserve(1));
  ShortcutTableEntries()[1] = ShortcutEntry{table, window_};
  ShortcutTableLastSet(1);
  ShortcutTableInUseSet(1);
  // A key aimed at the child is translated with the table of its top-level window.
  PostMessageA(child, WM_KEYDOWN, VK_F5, 0);
  const auto codes = PollUntil([](std::int32_t code) { return code == EVENT_MENU; }, 2000);
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.back(), EVENT_MENU);
  EXPECT_EQ(EventSourceId(), 0x321);
  // Another key is not a shortcut and is dispatched as usual.
  PostMessageA(window_, WM_KEYDOWN, VK_F6, 0);
  EXPECT_EQ(EventPoll(), 0);
  EXPECT_EQ(EventPoll(), WM_KEYDOWN);
  EXPECT_EQ(EventDetail(), VK_F6);
  // Past the last index, or with the table not in use, nothing is translated.
  ShortcutTableLastSet(0);
  PostMessageA(window_, WM_KEYDOWN, VK_F5, 0);
  EXPECT_EQ(EventPoll(), 0);
  EXPECT_EQ(EventPoll(), WM_KEYDOWN);
  ShortcutTableLastSet(1);
  ShortcutTableInUseSet(0);
  PostMessageA(window_, WM_KEYDOWN, VK_F5, 0);
  EXPECT_EQ(EventPoll(), 0);
  EXPECT_EQ(EventPoll(), WM_KEYDOWN);
  ShortcutTableEntries()[1] = ShortcutEntry{};
  DestroyAcceleratorTable(table);
  DestroyWindow(child);
}

TEST_F(EventTest, ThrottleSleepsOnEveryNthCall) {
  // Observable without timing: every call with n <= 1 yields the thread, the counter resets.
  for (int i = 0; i < 5; ++i) EventPollThrottle(1);
  for (int i = 0; i < 5; ++i) EventPollThrottle(0);
  for (int i = 0; i < 25; ++i) EventPollThrottle(10);
  EXPECT_EQ(EventPoll(), 0);
}

TEST_F(EventTest, PageStepIsStoredOnTheGadgetWindow) {
  HWND bar = CreateWindowExA(0, "ScrollBar", "", WS_CHILD | SBS_HORZ, 0, 0, 50, 10, window_,
                             nullptr, nullptr, nullptr);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(ScrollPageStepSetHandle(bar, 25), 1);
  EXPECT_EQ(GetPropA(bar, "pagestep"), reinterpret_cast<HANDLE>(25));
  EXPECT_EQ(ScrollPageStepSet(999, 5), 0);  // no such gadget
  DestroyWindow(bar);
}

}  // namespace
