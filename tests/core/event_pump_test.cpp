// The event calls: the parking list, the pump's shortcuts and throttle.
#include <set>
#include <tuple>

#include "tests/core/event_test_window.h"
#include "toolkit/core/event_pump_seam.h"
#include "toolkit/core/message_park.h"
#include "toolkit/core/shortcut_table.h"

namespace {

TEST_F(EventTest, OnlyTheListedMessagesAreParked) {
  std::set<UINT> listed = {6,   7,   8,   16,  46,  256, 257, 260, 261, 273,
                           274, 275, 276, 277, 287, 528, 563, 786, 1024};
  for (UINT m = WM_MOUSEMOVE; m <= WM_MOUSEWHEEL; ++m) listed.insert(m);
  for (UINT m = 1; m < 0x500; ++m) {
    MessagePark(window_, m, 11, 22);
    const PendingMessage taken = EventSlotTake();
    const UINT parked = listed.count(m) != 0 || m == WM_SIZE ? m : 0;  // WM_SIZE: in slot B
    EXPECT_EQ(taken.message, parked) << m;
    EXPECT_EQ(parked != 0 ? taken.wparam * 100 + taken.lparam : 1122u, 1122u) << m;
  }
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
    EXPECT_EQ(std::tuple(EventSourceId(), EventSourceWindow()), std::tuple(row.id, row.source));
  }
  ShortcutTableInUseSet(0);
  for (HACCEL table : tables) DestroyAcceleratorTable(table);
  DestroyWindow(other);
  DestroyWindow(child);
}

int sleeps = 0;

TEST_F(EventTest, ThrottleSleepsEveryNthCall) {
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
}

}  // namespace
