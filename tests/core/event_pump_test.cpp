// The event calls: one call late, the parking list, the pump's shortcuts, hooks and throttle.
#include <set>

#include "tests/core/event_test_window.h"
#include "toolkit/core/event_pump_seam.h"
#include "toolkit/core/message_park.h"
#include "toolkit/core/shortcut_table.h"

namespace {

TEST_F(EventTest, EventsArriveOneCallLateAndTheSlotsKeepTheirRules) {
  EXPECT_EQ(EventPoll(), 0);  // nothing parked, nothing queued
  PostMessageA(window_, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(EventPoll(), 0);  // retrieves and dispatches
  EXPECT_EQ(EventMessageRecord()->hwnd, window_);
  EXPECT_EQ(EventPoll(), WM_KEYDOWN);  // reports what the dispatch parked
  // The later of two messages parked in slot A wins; a resize in slot B survives a following
  // mouse move and comes after it.
  SendMessageA(window_, WM_KEYDOWN, 'X', 0);
  SendMessageA(window_, WM_COMMAND, 0x55, 0);
  SendMessageA(window_, WM_SIZE, 0, MAKELPARAM(120, 80));
  SendMessageA(window_, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
  for (std::int32_t code : {WM_MOUSEMOVE, WM_SIZE, 0}) EXPECT_EQ(EventPoll(), code);
  // EventWait blocks until a message comes, and reports it on the next call.
  SetTimer(window_, 9, 20, nullptr);
  EXPECT_EQ(EventWait(), 0);
  EXPECT_EQ(EventWait(), WM_TIMER);
  KillTimer(window_, 9);
}

TEST_F(EventTest, OnlyTheListedMessagesAreParked) {
  std::set<UINT> listed = {6,   7,   8,   16,  46,  256, 257, 260, 261, 273,
                           274, 275, 276, 277, 287, 528, 563, 786, 1024};
  for (UINT m = WM_MOUSEMOVE; m <= WM_MOUSEWHEEL; ++m) listed.insert(m);
  for (UINT m = 1; m < 0x500; ++m) {
    MessagePark(window_, m, 11, 22);
    const PendingMessage taken = EventSlotTake();
    const UINT parked = listed.count(m) != 0 || m == WM_SIZE ? m : 0;  // WM_SIZE: in slot B
    EXPECT_EQ(taken.message, parked) << m;
    if (parked != 0) EXPECT_EQ(taken.wparam * 100 + taken.lparam, 1122u) << m;
  }
}

TEST_F(EventTest, DefaultProcedureIsDefFrameProcOnlyForTheFramesOwnClient) {
  HWND frame = WindowOpen("frame", 0, 0, 200, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr);
  CLIENTCREATESTRUCT client_info = {};
  HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 150, 150,
                                frame, nullptr, nullptr, &client_info);
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
}

std::vector<UINT> hooked;
std::vector<MSG> dispatched;

TEST_F(EventTest, HooksSeeTheirMessagesUntilCleared) {
  // An answer from the window-procedure hook ends the toolkit's processing: nothing is parked.
  const WindowProcHookFunction answer_keys = [](HWND, UINT message, WPARAM, LPARAM) {
    hooked.push_back(message);
    return std::int64_t{message == WM_KEYDOWN ? 5 : 0};
  };
  EXPECT_EQ(MessageHookSet(answer_keys, HOOK_WINDOW_PROC), 1);
  EXPECT_EQ(SendMessageA(window_, WM_KEYDOWN, 'Q', 0), 5);
  EXPECT_EQ(EventPoll(), 0);
  EXPECT_EQ(Deliver(WM_KEYUP, 'Q', 0), WM_KEYUP);
  EXPECT_EQ(MessageHookClear(HOOK_WINDOW_PROC), 1);
  EXPECT_EQ(MessageHookSet(answer_keys, 7), 1);  // an unknown slot changes nothing
  EXPECT_EQ(Deliver(WM_KEYDOWN, 'Q', 0), WM_KEYDOWN);
  EXPECT_EQ(hooked, (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP}));

  const PostDispatchHookFunction keep = [](HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                           DWORD time, std::uint64_t point) {
    dispatched.push_back(MSG{window, message, wparam, lparam, time,
                             POINT{LONG(point & 0xFFFFFFFF), LONG(point >> 32)}});
  };
  EXPECT_EQ(MessageHookSet(keep, HOOK_POST_DISPATCH), 1);
  PostMessageA(window_, WM_APP + 1, 11, 22);
  EXPECT_EQ(EventPoll(), 0);
  const MSG* record = EventMessageRecord();
  ASSERT_EQ(dispatched.size(), 1u);
  const MSG& seen = dispatched[0];
  EXPECT_TRUE(seen.hwnd == window_ && seen.message == WM_APP + 1 && seen.wParam == 11 &&
              seen.lParam == 22 && seen.time == record->time && seen.pt.x == record->pt.x &&
              seen.pt.y == record->pt.y);
  MessageHookClear(HOOK_POST_DISPATCH);
  PostMessageA(window_, WM_APP + 1, 0, 0);
  EventPoll();
  EXPECT_EQ(dispatched.size(), 1u);
}

// F5 aimed at a child window: the entries that match it (its own window, or its top-level
// window) decide, the last of them winning; what matches none is dispatched as a key.
TEST_F(EventTest, ShortcutsOfTheWindowOrItsTopmostAncestorLastMatchWinning) {
  HWND child = WindowOpen("child", 0, 0, 50, 50, WS_CHILD | WS_VISIBLE, 0, window_);
  HWND other = WindowOpen("other", 0, 0, 50, 50, WS_OVERLAPPED, 0, nullptr);
  HACCEL tables[2];
  for (WORD id : {0, 1}) {
    ACCEL accel = {FVIRTKEY, VK_F5, static_cast<WORD>(0x321 + id)};
    tables[id] = CreateAcceleratorTableA(&accel, 1);
  }
  ShortcutTableReserve(2);
  // clang-format off
  const struct { HWND first, second; std::int32_t last, in_use, code; std::int64_t id; HWND source; } rows[] = {
      {window_, other, 1, 1, EVENT_MENU, 0x321, window_}, {child, other, 1, 1, EVENT_MENU, 0x321, child},
      {child, window_, 1, 1, EVENT_MENU, 0x322, window_}, {window_, child, 1, 1, EVENT_MENU, 0x322, child},
      {other, other, 1, 1, WM_KEYDOWN, 0, child}, {other, window_, 0, 1, WM_KEYDOWN, 0, child},
      {window_, window_, 1, 0, WM_KEYDOWN, 0, child}};
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(&row - rows);
    ShortcutTableEntries()[0] = ShortcutEntry{tables[0], row.first};
    ShortcutTableEntries()[1] = ShortcutEntry{tables[1], row.second};
    ShortcutTableLastSet(row.last);
    ShortcutTableInUseSet(row.in_use);
    PollDrain();
    PostMessageA(child, WM_KEYDOWN, VK_F5, 0);
    EXPECT_EQ(EventPoll(), 0);
    EXPECT_EQ(EventPoll(), row.code);
    EXPECT_EQ(EventSourceId(), row.id);
    EXPECT_EQ(EventSourceWindow(), row.source);
  }
  ShortcutTableInUseSet(0);
  for (HACCEL table : tables) DestroyAcceleratorTable(table);
  DestroyWindow(other);
  DestroyWindow(child);
}

int sleeps = 0;

TEST_F(EventTest, ThrottleSleepsEveryNthCallAndPageStepsAreProperties) {
  EventPollThrottleSleepSet([](DWORD milliseconds) { sleeps += milliseconds == 1; });
  // Rows in order: the count carries over from one to the next.
  const struct {
    std::int64_t n;
    int calls, sleeps;
  } rows[] = {{1, 5, 5}, {0, 3, 3}, {-3, 2, 2}, {4, 8, 2}, {4, 3, 0}, {4, 1, 1}};
  for (const auto& row : rows) {
    sleeps = 0;
    for (int i = 0; i < row.calls; ++i) EventPollThrottle(row.n);
    EXPECT_EQ(sleeps, row.sleeps) << "n " << row.n << ", " << row.calls << " calls";
  }
  EventPollThrottleSleepSet(nullptr);
  HWND bar = CreateWindowExA(0, "ScrollBar", "", WS_CHILD | SBS_HORZ, 0, 0, 50, 10, window_,
                             nullptr, nullptr, nullptr);
  GadgetRegister(30, bar);
  EXPECT_EQ(ScrollPageStepSet(30, 25), 1);
  EXPECT_EQ(GetPropA(bar, "pagestep"), reinterpret_cast<HANDLE>(25));
  EXPECT_EQ(ScrollPageStepSetHandle(bar, 7), 1);
  EXPECT_EQ(GetPropA(bar, "pagestep"), reinterpret_cast<HANDLE>(7));
  EXPECT_EQ(ScrollPageStepSet(999, 5), 0);  // no such gadget
  GadgetFree(30);
}

}  // namespace
