// Translation of parked messages into event codes and event fields.
#include <tuple>
#include <utility>

#include "tests/core/event_test_window.h"
#include "toolkit/core/core_constants.h"
#include "toolkit/core/message_park.h"
#include "toolkit/core/notify_blocks.h"

// The list-view copy block (64 bytes, made right after the 72-byte item-activation block) is
// placed against a page nobody may read, so that reading past it crashes instead of finding
// the heap's zero padding.
// Plain globals: a guarded static here could itself allocate.
std::size_t previous_calloc = 0;
void* (*heap_calloc)(std::size_t, std::size_t) = nullptr;
extern "C" void* calloc(std::size_t count, std::size_t size) {
  if (heap_calloc == nullptr)
    heap_calloc = reinterpret_cast<void* (*)(std::size_t, std::size_t)>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("msvcrt.dll"), "calloc")));
  const std::size_t before = std::exchange(previous_calloc, count * size);
  if (count != 1 || size != NOTIFY_COPY_LIST_VIEW || before != NOTIFY_COPY_ITEM_ACTIVATE)
    return heap_calloc(count, size);
  auto* pages = static_cast<char*>(VirtualAlloc(nullptr, 8192, MEM_COMMIT, PAGE_READWRITE));
  DWORD was = 0;
  VirtualProtect(pages + 4096, 4096, PAGE_NOACCESS, &was);
  return pages + 4096 - size;
}

namespace {

// Each control has control id 7 and is registered as gadget 70.
TEST_F(EventTest, CommandsAndScrollsFromControlsDependOnTheirKind) {
  // clang-format off
  const struct { const char* class_name; DWORD style; bool focused; UINT message; WPARAM wparam; std::int32_t code; std::int64_t id; } rows[] = {
      {"Static", SS_NOTIFY, false, WM_COMMAND, MAKEWPARAM(7, STN_DBLCLK), EVENT_GADGET, 7},
      {TOOLBARCLASSNAMEA, 0, false, WM_COMMAND, 7, EVENT_GADGET, 7},
      {"Edit", 0, false, WM_COMMAND, MAKEWPARAM(7, EN_CHANGE), 0, 0},
      {"Edit", 0, true, WM_COMMAND, MAKEWPARAM(7, EN_CHANGE), EVENT_GADGET, 7},
      {TRACKBAR_CLASSA, 0, false, WM_HSCROLL, SB_LINEDOWN, EVENT_GADGET, 70},
      {"ScrollBar", SBS_HORZ, false, WM_VSCROLL, SB_LINEDOWN, WM_VSCROLL, 0},
      {"ListBox", 0, false, WM_VKEYTOITEM, VK_DOWN, EVENT_GADGET, 70}};
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(row.class_name);
    HWND control = CreateWindowExA(0, row.class_name, "", WS_CHILD | WS_VISIBLE | row.style, 5, 5,
                                   60, 20, window_, reinterpret_cast<HMENU>(7), nullptr, nullptr);
    GadgetRegister(70, control);
    SetFocus(row.focused ? control : window_);
    PollDrain();
    const std::int64_t last = EventLastGadgetId();
    EXPECT_EQ(Deliver(row.message, row.wparam, reinterpret_cast<LPARAM>(control)), row.code);
    const bool key = row.message == WM_VKEYTOITEM;
    EXPECT_EQ(std::tuple(EventSourceId(), EventLastGadgetId(), EventSourceWindow()),
              std::tuple(row.id, row.message == WM_COMMAND && row.code ? 7 : last,
                         key ? nullptr : control));
    EXPECT_EQ(key ? EventDetail() : VK_DOWN, VK_DOWN);
    GadgetFree(70);
  }
  EXPECT_EQ(Deliver(WM_VSCROLL, SB_LINEDOWN, 0), 0);  // the window's own scroll bar
}

// The records as the window procedure copies them; one layout holds every field read.
union Record {
  NMITEMACTIVATE item;
  NMTREEVIEWA tree;
};

TEST_F(EventTest, NotificationsAreReadOnlyFromTheCopiesAndWithinThem) {
  const NotifyBlockKind item = NOTIFY_BLOCK_ITEM_ACTIVATE, list = NOTIFY_BLOCK_LIST_VIEW,
                        foreign = NOTIFY_BLOCK_COUNT;
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED, note = WM_NOTIFY;
  // clang-format off
  const struct { NotifyBlockKind block; UINT message, code, new_state, old_state; std::int32_t event; std::int64_t id, flags, list; } rows[] = {
      {item, note, NM_CLICK, 0, 0, WM_LBUTTONDOWN, 40, LVKF_SHIFT, 40},
      {item, note, NM_RCLICK, 0, 0, WM_RBUTTONDOWN, 40, -1, 40}, {item, note, NM_DBLCLK, 0, 0, WM_LBUTTONDBLCLK, 40, -1, 40},
      {list, note, LVN_COLUMNCLICK, 0, 0, EVENT_GADGET, 40, -1, 40},
      {list, note, LVN_ITEMCHANGING, both, 0, EVENT_GADGET, 40, -1, 0}, {list, note, LVN_ITEMCHANGING, both, LVIS_FOCUSED, 0, 0, -1, 0},
      {list, note, LVN_ITEMCHANGING, LVIS_SELECTED, 0, 0, 0, -1, 0},
      {NOTIFY_BLOCK_TREE_VIEW, note, TVN_SELCHANGEDA, 0, 0, 0, 0, -1, 0},
      {item, WM_USER, 0, 0, 0, EVENT_GADGET, 40, LVKF_SHIFT, 40},
      {list, WM_USER, 0, 0, 0, EVENT_GADGET, 40, 0, 40},  // a list-view copy holds no key flags
      {foreign, note, NM_CLICK, 0, 0, 0, 0, -1, 0}, {foreign, WM_USER, 0, 0, 0, 0, 0, -1, 0}};
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "block " << row.block << ", code " << int(row.code));
    Record record = {};
    record.item = {
        {nullptr, 40, row.code}, 3, 2, row.new_state, row.old_state, 0, {}, 0, LVKF_SHIFT};
    record.tree.itemNew.hItem = reinterpret_cast<HTREEITEM>(std::uintptr_t{0x1234567890});
    void* copy = row.block == foreign ? &record : NotifyCopyBlockFill(row.block, &record);
    EventSlotAStore(window_, row.message, row.message == WM_USER ? ITEM_NOTIFY : 0,
                    reinterpret_cast<LPARAM>(copy));
    EXPECT_EQ(EventPoll(), row.event);
    const bool tree = row.code == TVN_SELCHANGEDA || (row.message == WM_USER && row.id != 0);
    EXPECT_EQ(std::tuple(EventSourceId(), EventListGadgetTake(), EventTreeGadgetTake()),
              std::tuple(row.id, row.list, tree ? 40 : 0));
    EXPECT_EQ(EventColumnClickTake(), row.code == LVN_COLUMNCLICK ? 2 : -1);
    EXPECT_EQ(row.event != 0 ? EventItemIndex() : 3, 3);
    EXPECT_EQ(row.flags >= 0 ? EventItemKeyFlags() : row.flags, row.flags);
    const std::int64_t item = 0x1234567890;  // the whole handle
    EXPECT_EQ(row.code == TVN_SELCHANGEDA ? EventTreeItem() : item, item);
  }
}

}  // namespace
