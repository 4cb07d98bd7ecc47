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

TEST_F(EventTest, CommandsFromControlsDependOnKindAndFocus) {
  HWND stat = Child("Static", SS_NOTIFY, 7);
  HWND edit = Child("Edit", 0, 8);
  ASSERT_NE(stat, nullptr);
  ASSERT_NE(edit, nullptr);
  SetFocus(window_);
  // A static always reports, whatever the notification code.
  EXPECT_EQ(Deliver(WM_COMMAND, MAKEWPARAM(7, STN_DBLCLK), reinterpret_cast<LPARAM>(stat)),
            EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 7);
  EXPECT_EQ(EventLastGadgetId(), 7);
  EXPECT_EQ(EventSourceWindow(), stat);
  // An edit without the focus gives nothing, but the window is still recorded.
  EXPECT_EQ(Deliver(WM_COMMAND, MAKEWPARAM(8, EN_CHANGE), reinterpret_cast<LPARAM>(edit)), 0);
  EXPECT_EQ(EventSourceWindow(), edit);
  EXPECT_EQ(EventLastGadgetId(), 7);
  SetFocus(edit);
  PollDrain();
  EXPECT_EQ(Deliver(WM_COMMAND, MAKEWPARAM(8, EN_CHANGE), reinterpret_cast<LPARAM>(edit)),
            EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 8);
  // Only the low word of the id comes back.
  EXPECT_EQ(Deliver(WM_COMMAND, MAKEWPARAM(0x10007 & 0xFFFF, 0), reinterpret_cast<LPARAM>(stat)),
            EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 7);
  DestroyWindow(stat);
  DestroyWindow(edit);
}

TEST_F(EventTest, ScrollMessagesByControlKind) {
  HWND track = Child(TRACKBAR_CLASSA, 0, 20);
  HWND bar = Child("ScrollBar", SBS_HORZ, 21);
  ASSERT_NE(track, nullptr);
  ASSERT_NE(bar, nullptr);
  Register(20, track);
  EXPECT_EQ(Deliver(WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(track)), EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 20);
  EXPECT_EQ(EventSourceWindow(), track);
  EXPECT_EQ(Deliver(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar)), WM_VSCROLL);
  EXPECT_EQ(EventSourceWindow(), bar);
  EXPECT_EQ(Deliver(WM_VSCROLL, SB_LINEDOWN, 0), 0);
  GadgetUnregister(20);
  DestroyWindow(track);
  DestroyWindow(bar);
}

TEST_F(EventTest, ItemNotifyReadsTheCopiedRecord) {
  NMITEMACTIVATE record = {};
  record.hdr.idFrom = 0x10009;
  record.hdr.code = NM_CLICK;
  record.iItem = 4;
  record.iSubItem = 2;
  record.uKeyFlags = LVKF_CONTROL;
  void* copy = NotifyCopyBlockFill(NOTIFY_BLOCK_ITEM_ACTIVATE, &record);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(Deliver(WM_USER, 0xF1F2, reinterpret_cast<LPARAM>(copy)), EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 0x10009);
  EXPECT_EQ(EventItemIndex(), 4);
  EXPECT_EQ(EventItemColumn(), 2);
  EXPECT_EQ(EventItemKeyFlags(), LVKF_CONTROL);
  EXPECT_EQ(EventListGadgetTake(), 0x10009);
  EXPECT_EQ(EventListGadgetTake(), 0);
  EXPECT_EQ(EventTreeGadgetTake(), 0x10009);
}

// A copied notification parked as the window procedure parks it.
std::int32_t DeliverCopy(HWND window, NotifyBlockKind kind, const void* record) {
  void* copy = NotifyCopyBlockFill(kind, record);
  EventSlotAStore(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(copy));
  return EventPoll();
}

TEST_F(EventTest, ListViewClicksFromCopiedRecords) {
  NMITEMACTIVATE click = {};
  click.hdr.idFrom = 40;
  click.hdr.code = NM_CLICK;
  click.iItem = 3;
  click.iSubItem = 1;
  click.uKeyFlags = LVKF_SHIFT;
  EXPECT_EQ(DeliverCopy(window_, NOTIFY_BLOCK_ITEM_ACTIVATE, &click), WM_LBUTTONDOWN);
  EXPECT_EQ(EventSourceId(), 40);
  EXPECT_EQ(EventLastGadgetId(), 40);
  EXPECT_EQ(EventItemIndex(), 3);
  EXPECT_EQ(EventItemColumn(), 1);
  EXPECT_EQ(EventItemKeyFlags(), LVKF_SHIFT);
  EXPECT_EQ(EventListGadgetTake(), 40);

  click.hdr.code = NM_RCLICK;
  click.hdr.idFrom = 41;
  EXPECT_EQ(DeliverCopy(window_, NOTIFY_BLOCK_ITEM_ACTIVATE, &click), WM_RBUTTONDOWN);
  EXPECT_EQ(EventSourceId(), 41);
  EXPECT_EQ(EventSourceWindow(), window_);
  EXPECT_EQ(EventLastGadgetId(), 40);
  click.hdr.code = NM_DBLCLK;
  EXPECT_EQ(DeliverCopy(window_, NOTIFY_BLOCK_ITEM_ACTIVATE, &click), WM_LBUTTONDBLCLK);
  EXPECT_EQ(EventListGadgetTake(), 41);
}

TEST_F(EventTest, ColumnClickIsTakenOnce) {
  EXPECT_EQ(EventColumnClickTake(), -1);
  NMLISTVIEW column = {};
  column.hdr.idFrom = 50;
  column.hdr.code = LVN_COLUMNCLICK;
  column.iItem = -1;
  column.iSubItem = 2;
  EXPECT_EQ(DeliverCopy(window_, NOTIFY_BLOCK_LIST_VIEW, &column), EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 50);
  EXPECT_EQ(EventLastGadgetId(), 50);
  EXPECT_EQ(EventItemColumn(), 2);
  EXPECT_EQ(EventColumnClickTake(), 2);
  EXPECT_EQ(EventColumnClickTake(), -1);
}

TEST_F(EventTest, ItemChangingOnlyWhenNewlySelectedAndFocused) {
  NMLISTVIEW change = {};
  change.hdr.idFrom = 51;
  change.hdr.code = LVN_ITEMCHANGING;
  change.iItem = 6;
  change.uNewState = LVIS_SELECTED | LVIS_FOCUSED;
  change.uOldState = 0;
  EXPECT_EQ(DeliverCopy(window_, NOTIFY_BLOCK_LIST_VIEW, &change), EVENT_GADGET);
  EXPECT_EQ(EventSourceId(), 51);
  EXPECT_EQ(EventItemIndex(), 6);
  change.uOldState = LVIS_FOCUSED;
  EXPECT_EQ(DeliverCopy(window_, NOTIFY_BLOCK_LIST_VIEW, &change), 0);
  change.uOldState = 0;
  change.uNewState = LVIS_SELECTED;
  EXPECT_EQ(DeliverCopy(window_, NOTIFY_BLOCK_LIST_VIEW, &change), 0);
}

TEST_F(EventTest, TreeSelectionChangeRecordsTheTreeAndItem) {
  NMTREEVIEWA change = {};
  change.hdr.idFrom = 60;
  change.hdr.code = TVN_SELCHANGEDA;
  change.itemNew.hItem = reinterpret_cast<HTREEITEM>(static_cast<std::uintptr_t>(0x1234567890ull));
  EXPECT_EQ(DeliverCopy(window_, NOTIFY_BLOCK_TREE_VIEW, &change), 0);
  EXPECT_EQ(EventTreeItem(), 0x34567890);
  EXPECT_EQ(EventTreeGadgetTake(), 60);
}

TEST_F(EventTest, ANotifyRecordThatIsNotACopyIsNotRead) {
  NMHDR header = {};
  header.code = NM_CLICK;
  EventSlotAStore(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(EventPoll(), 0);
}

TEST_F(EventTest, ParentNotifyClicksAndTheirFilters) {
  EXPECT_EQ(Deliver(WM_PARENTNOTIFY, WM_RBUTTONDOWN, MAKELPARAM(9, 8)), WM_RBUTTONDOWN);
  EXPECT_EQ(EventMouseX(), 9);
  EXPECT_EQ(EventMouseY(), 8);
  EXPECT_EQ(EventSourceWindow(), nullptr);
  SetPropA(window_, "eventmousebutton", reinterpret_cast<HANDLE>(1));
  EXPECT_EQ(Deliver(WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(1, 1)), 0);
  EXPECT_EQ(GetPropA(window_, "eventmousebutton"), nullptr);
  EXPECT_EQ(Deliver(WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(1, 1)), WM_LBUTTONDOWN);
  SetPropA(window_, "panelevent", reinterpret_cast<HANDLE>(1));
  EXPECT_EQ(Deliver(WM_PARENTNOTIFY, WM_MBUTTONDOWN, MAKELPARAM(4, 5)), 0);
  EXPECT_EQ(EventMouseX(), 4);
  EXPECT_EQ(EventMouseY(), 5);
  RemovePropA(window_, "panelevent");
  EXPECT_EQ(Deliver(WM_PARENTNOTIFY, WM_CREATE, 0), 0);
}

TEST_F(EventTest, VirtualKeyToItemNamesTheListBox) {
  HWND list = Child("ListBox", 0, 70);
  ASSERT_NE(list, nullptr);
  Register(70, list);
  EXPECT_EQ(Deliver(WM_VKEYTOITEM, MAKEWPARAM(VK_DOWN, 0), reinterpret_cast<LPARAM>(list)),
            EVENT_GADGET);
  EXPECT_EQ(EventDetail(), VK_DOWN);
  EXPECT_EQ(EventSourceId(), 70);
  GadgetUnregister(70);
  DestroyWindow(list);
}

}  // namespace
