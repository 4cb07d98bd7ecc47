// Translation of parked messages into event codes and event fields.
#include "tests/core/event_test_window.h"

#include <commctrl.h>

#include <cstring>

#include "toolkit/core/message_park.h"
#include "toolkit/core/notify_blocks.h"
#include "toolkit/core/registries.h"
#include "toolkit/core/tab_stop_seam.h"

HWND EventTest::window_ = nullptr;

namespace {

HWND Child(const char* class_name, DWORD style, int id) {
  return CreateWindowExA(0, class_name, "", WS_CHILD | WS_VISIBLE | style, 5, 5, 60, 20,
                         CurrentWindowGet(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         nullptr, nullptr);
}

void Register(GadgetId id, HWND window) {
  HandleListAppendKey(GadgetRegistryGet(), RegistryKeyOfId(id));
  HandleListAppendKey(GadgetRegistryGet(), RegistryKeyOfWindow(window));
}

// Rows that need no control: the message as parked, the code, and the fields it sets.
struct Row {
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
  std::int32_t code;
  std::int64_t source_id;
  std::int64_t detail;
  std::int64_t x;
  std::int64_t y;
  bool window_is_h;
};

TEST_F(EventTest, MessagesWithoutControlsTranslateByTheTable) {
  const Row rows[] = {
      {WM_CLOSE, 0, 0, WM_CLOSE, 0, -1, 0, 0, true},
      {WM_SIZE, 0, MAKELPARAM(300, 200), WM_SIZE, 0, -1, 0, 0, true},
      {WM_KEYDOWN, 0x41, 0, WM_KEYDOWN, 0, 0x41, 0, 0, true},
      {WM_KEYUP, 0x42, 0, WM_KEYUP, 0x42, -1, 0, 0, true},
      // Mouse words are not sign-extended.
      {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, -4), WM_MOUSEMOVE, 0, MK_LBUTTON, 0xFFFD, 0xFFFC,
       true},
      {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(10, 20), WM_MOUSEWHEEL, 0, MAKEWPARAM(0, 120),
       10, 20, true},
      {WM_RBUTTONUP, 0, MAKELPARAM(1, 2), WM_RBUTTONUP, 0, 0, 1, 2, true},
      // Only a relayed button-down (lParam -1) carries an identifier.
      {WM_LBUTTONDOWN, 77, -1, WM_LBUTTONDOWN, 77, 77, 0xFFFF, 0xFFFF, true},
      {WM_MBUTTONDOWN, 77, MAKELPARAM(5, 6), WM_MBUTTONDOWN, 0, 77, 5, 6, true},
      {WM_TIMER, 0x123456789, 0, WM_TIMER, 0x23456789, -1, 0, 0, true},
      {WM_ACTIVATE, WA_CLICKACTIVE, 0, WM_ACTIVATE, 0, -1, 0, 0, true},
      {WM_ACTIVATE, WA_ACTIVE, 0, 0, 0, -1, 0, 0, false},
      {WM_USER, 0xF1F1, 33, EVENT_GADGET, 33, -1, 0, 0, false},
      {WM_USER, 0xF1F3, MAKELPARAM(12, 516), 516, 12, -1, 0, 0, false},
      {WM_USER, 0xF1F4, MAKELPARAM(13, 1025), EVENT_GADGET, 13, -1, 0, 0, false},
      {WM_USER, 0xF1F5, 1, 0, 0, -1, 0, 0, false},
      {WM_HOTKEY, 5, 0x70000, WM_HOTKEY, 0, -1, 0, 0, false},
      {WM_RBUTTONDBLCLK, 0, 0, WM_RBUTTONDBLCLK, 0, -1, 0, 0, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << "message 0x" << std::hex << row.message << " wParam 0x" << row.wparam);
    EXPECT_EQ(Deliver(row.message, row.wparam, row.lparam), row.code);
    EXPECT_EQ(EventSourceId(), row.source_id);
    if (row.detail >= 0) EXPECT_EQ(EventDetail(), row.detail);
    EXPECT_EQ(EventMouseX(), row.x);
    EXPECT_EQ(EventMouseY(), row.y);
    EXPECT_EQ(EventSourceWindow(), row.window_is_h ? window_ : nullptr);
    EXPECT_EQ(EventRawWParam(), static_cast<std::uint64_t>(row.wparam));
    EXPECT_EQ(EventRawLParam(), static_cast<std::uint64_t>(row.lparam));
  }
  EXPECT_EQ(EventSizeWidth(), 300);
  EXPECT_EQ(EventSizeHeight(), 200);
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_EQ(EventTreeGadgetTake(), 12);
  EXPECT_EQ(EventTreeGadgetTake(), 0);
  // An item notification whose record is not one of the toolkit's copies is not read.
  char foreign[72] = {};
  EXPECT_EQ(Deliver(WM_USER, 0xF1F2, reinterpret_cast<LPARAM>(foreign)), 0);
}

TEST_F(EventTest, MenuCommandsAndTheTabStopCommands) {
  static std::vector<unsigned> navigated;
  navigated.clear();
  TabStopCommandHandlerSet([](HWND, unsigned command) { navigated.push_back(command); });
  EXPECT_EQ(Deliver(WM_COMMAND, 0x10042, 0), EVENT_MENU);
  EXPECT_EQ(EventSourceId(), 0x42);
  EXPECT_EQ(EventSourceWindow(), window_);
  for (unsigned id : {0xFFF4u, 0xFFF5u, 0xFFF6u, 0xFFF7u}) {
    EXPECT_EQ(Deliver(WM_COMMAND, id, 0), EVENT_MENU);
    EXPECT_EQ(EventSourceId(), static_cast<std::int64_t>(id));
  }
  TabStopCommandHandlerSet(nullptr);
  EXPECT_EQ(navigated, (std::vector<unsigned>{0xFFF5, 0xFFF6, 0xFFF7}));
}

TEST_F(EventTest, MessagesFromControlsDependOnTheirKind) {
  HWND stat = Child("Static", SS_NOTIFY, 7);
  HWND edit = Child("Edit", 0, 8);
  HWND track = Child(TRACKBAR_CLASSA, 0, 20);
  HWND bar = Child("ScrollBar", SBS_HORZ, 21);
  HWND list = Child("ListBox", 0, 70);
  ASSERT_TRUE(stat && edit && track && bar && list);
  Register(20, track);
  Register(70, list);
  SetFocus(window_);
  const auto from = [](HWND control) { return reinterpret_cast<LPARAM>(control); };
  // A static always reports, whatever the notification code; only the id's low word comes back.
  EXPECT_EQ(Deliver(WM_COMMAND, MAKEWPARAM(7, STN_DBLCLK), from(stat)), EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 7);
  EXPECT_EQ(EventLastGadgetId(), 7);
  EXPECT_EQ(EventSourceWindow(), stat);
  // An edit without the focus gives nothing, but its window is recorded; with the focus, it does.
  EXPECT_EQ(Deliver(WM_COMMAND, MAKEWPARAM(8, EN_CHANGE), from(edit)), 0);
  EXPECT_EQ(EventSourceWindow(), edit);
  EXPECT_EQ(EventLastGadgetId(), 7);
  SetFocus(edit);
  PollDrain();
  EXPECT_EQ(Deliver(WM_COMMAND, MAKEWPARAM(8, EN_CHANGE), from(edit)), EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 8);
  // Scrolling: a trackbar is a gadget, a scroll bar reports the message, a window's own bar
  // nothing.
  EXPECT_EQ(Deliver(WM_HSCROLL, SB_LINEDOWN, from(track)), EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 20);
  EXPECT_EQ(EventSourceWindow(), track);
  EXPECT_EQ(Deliver(WM_VSCROLL, SB_LINEDOWN, from(bar)), WM_VSCROLL);
  EXPECT_EQ(EventSourceWindow(), bar);
  EXPECT_EQ(Deliver(WM_VSCROLL, SB_LINEDOWN, 0), 0);
  EXPECT_EQ(Deliver(WM_VKEYTOITEM, MAKEWPARAM(VK_DOWN, 0), from(list)), EVENT_GADGET);
  EXPECT_EQ(EventDetail(), VK_DOWN);
  EXPECT_EQ(EventSourceId(), 70);
  GadgetUnregister(20);
  GadgetUnregister(70);
  for (HWND control : {stat, edit, track, bar, list}) DestroyWindow(control);
}

// A list-view notification as the window procedure copies it: the item-activation layout
// begins with the list-view one.
std::int32_t DeliverCopy(HWND window, NotifyBlockKind kind, UINT code, UINT_PTR id, int item,
                         int subitem, UINT new_state = 0, UINT old_state = 0, UINT keys = 0) {
  NMITEMACTIVATE record = {};
  record.hdr.idFrom = id;
  record.hdr.code = code;
  record.iItem = item;
  record.iSubItem = subitem;
  record.uNewState = new_state;
  record.uOldState = old_state;
  record.uKeyFlags = keys;
  void* copy = NotifyCopyBlockFill(kind, &record);
  EventSlotAStore(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(copy));
  return EventPoll();
}

TEST_F(EventTest, ListNotificationsFromCopiedRecords) {
  const auto block = NOTIFY_BLOCK_ITEM_ACTIVATE;
  EXPECT_EQ(DeliverCopy(window_, block, NM_CLICK, 40, 3, 1, 0, 0, LVKF_SHIFT), WM_LBUTTONDOWN);
  EXPECT_EQ(EventSourceId(), 40);
  EXPECT_EQ(EventLastGadgetId(), 40);
  EXPECT_EQ(EventItemIndex(), 3);
  EXPECT_EQ(EventItemColumn(), 1);
  EXPECT_EQ(EventItemKeyFlags(), LVKF_SHIFT);
  EXPECT_EQ(EventListGadgetTake(), 40);
  EXPECT_EQ(EventListGadgetTake(), 0);
  EXPECT_EQ(DeliverCopy(window_, block, NM_RCLICK, 41, 3, 1), WM_RBUTTONDOWN);
  EXPECT_EQ(EventSourceWindow(), window_);
  EXPECT_EQ(EventLastGadgetId(), 40);
  EXPECT_EQ(DeliverCopy(window_, block, NM_DBLCLK, 42, 3, 1), WM_LBUTTONDBLCLK);
  EXPECT_EQ(EventListGadgetTake(), 42);

  // A column click is taken once; -1 before and after.
  EXPECT_EQ(EventColumnClickTake(), -1);
  EXPECT_EQ(DeliverCopy(window_, NOTIFY_BLOCK_LIST_VIEW, LVN_COLUMNCLICK, 50, -1, 2), EVENT_GADGET);
  EXPECT_EQ(EventLastGadgetId(), 50);
  EXPECT_EQ(EventItemColumn(), 2);
  EXPECT_EQ(EventColumnClickTake(), 2);
  EXPECT_EQ(EventColumnClickTake(), -1);

  // An item change is an event only when newly selected and focused from nothing.
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
  EXPECT_EQ(DeliverCopy(window_, NOTIFY_BLOCK_LIST_VIEW, LVN_ITEMCHANGING, 51, 6, 0, both, 0),
            EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 51);
  EXPECT_EQ(EventItemIndex(), 6);
  EXPECT_EQ(
      DeliverCopy(window_, NOTIFY_BLOCK_LIST_VIEW, LVN_ITEMCHANGING, 51, 6, 0, both, LVIS_FOCUSED),
      0);
  EXPECT_EQ(
      DeliverCopy(window_, NOTIFY_BLOCK_LIST_VIEW, LVN_ITEMCHANGING, 51, 6, 0, LVIS_SELECTED, 0),
      0);

  // The posted item notification reads the same copy.
  NMITEMACTIVATE record = {};
  record.hdr.idFrom = 0x10009;
  record.iItem = 4;
  record.uKeyFlags = LVKF_CONTROL;
  void* copy = NotifyCopyBlockFill(block, &record);
  EXPECT_EQ(Deliver(WM_USER, 0xF1F2, reinterpret_cast<LPARAM>(copy)), EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 0x10009);
  EXPECT_EQ(EventItemIndex(), 4);
  EXPECT_EQ(EventItemKeyFlags(), LVKF_CONTROL);
  EXPECT_EQ(EventListGadgetTake(), 0x10009);
  EXPECT_EQ(EventTreeGadgetTake(), 0x10009);

  // A record that is not one of the copies belonged to its sender and is not read.
  NMHDR header = {nullptr, 1, static_cast<UINT>(NM_CLICK)};
  EventSlotAStore(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(EventPoll(), 0);
}

TEST_F(EventTest, TreeSelectionChangeRecordsTheTreeAndItem) {
  NMTREEVIEWA change = {};
  change.hdr.idFrom = 60;
  change.hdr.code = TVN_SELCHANGEDA;
  change.itemNew.hItem = reinterpret_cast<HTREEITEM>(static_cast<std::uintptr_t>(0x1234567890ull));
  EventSlotAStore(window_, WM_NOTIFY, 0,
                  reinterpret_cast<LPARAM>(NotifyCopyBlockFill(NOTIFY_BLOCK_TREE_VIEW, &change)));
  EXPECT_EQ(EventPoll(), 0);
  EXPECT_EQ(EventTreeItem(), 0x34567890);
  EXPECT_EQ(EventTreeGadgetTake(), 60);
}

TEST_F(EventTest, ParentNotifyClicksAndTheirFilters) {
  EXPECT_EQ(Deliver(WM_PARENTNOTIFY, WM_RBUTTONDOWN, MAKELPARAM(9, 8)), WM_RBUTTONDOWN);
  EXPECT_EQ(EventMouseX(), 9);
  EXPECT_EQ(EventMouseY(), 8);
  EXPECT_EQ(EventSourceWindow(), nullptr);
  // "eventmousebutton" swallows one click and is cleared.
  SetPropA(window_, "eventmousebutton", reinterpret_cast<HANDLE>(1));
  EXPECT_EQ(Deliver(WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(1, 1)), 0);
  EXPECT_EQ(GetPropA(window_, "eventmousebutton"), nullptr);
  EXPECT_EQ(Deliver(WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(1, 1)), WM_LBUTTONDOWN);
  // "panelevent" gives code 0 but keeps the position.
  SetPropA(window_, "panelevent", reinterpret_cast<HANDLE>(1));
  EXPECT_EQ(Deliver(WM_PARENTNOTIFY, WM_MBUTTONDOWN, MAKELPARAM(4, 5)), 0);
  EXPECT_EQ(EventMouseX(), 4);
  EXPECT_EQ(EventMouseY(), 5);
  RemovePropA(window_, "panelevent");
  EXPECT_EQ(Deliver(WM_PARENTNOTIFY, WM_CREATE, 0), 0);
}

}  // namespace
