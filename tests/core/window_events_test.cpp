// The main window procedure, colours and the event calls through one real window: controls
// painted from their entries (read back from the screen), the brush cache, each colour class row,
// size limits, the frame procedure and scroll stepping (by real clicks too); parked messages
// translated into events and their fields, the parking list, the pump's shortcuts and the throttle.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include <vantrel/toolkit.h>

#include "tests/support/wine_host.h"
#include "toolkit/core/core_constants.h"
#include "toolkit/core/event_pump_seam.h"
#include "toolkit/core/message_park.h"
#include "toolkit/core/notify_blocks.h"
#include "toolkit/core/shortcut_table.h"

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

constexpr COLORREF kGreen = 0x00C000, kYellow = 0x00FFFF, kBlue = 0xFF0000, kRed = 0x0000FF;
constexpr COLORREF kBack = 0x112233, kFront = 0x445566;

using Sent = std::tuple<UINT, WPARAM, LPARAM>;  // message, wParam, lParam
std::vector<Sent> sent;

LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                          DWORD_PTR) {
  // EM_SETCHARFORMAT's lParam is the toolkit's own record: not compared.
  if (message >= WM_USER)
    sent.push_back({message, wparam, message == EM_SETCHARFORMAT ? 0 : lparam});
  return DefSubclassProc(window, message, wparam, lparam);
}

class WindowEvents : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitCommonControls();
    LoadLibraryA("riched20.dll");
    // Colours before the program's first window are neither stored nor read.
    GadgetColourSet(1, kRed, kRed, COLOUR_BOTH);
    EXPECT_EQ(GadgetColourGet(1, COLOUR_GET_GADGET_BACKGROUND), 0);
    // A window of the application's own class paints its controls as the system does, not black.
    const WNDCLASSA own = {0, MainWindowProcAddress(), 0, 0, nullptr, 0, 0, 0, 0, "own class"};
    HWND w = CreateWindowA(MAKEINTATOM(RegisterClassA(&own)), "", 0, 0, 0, 9, 9, 0, 0, 0, 0);
    HWND child = CreateWindowA("Static", "", WS_CHILD, 0, 0, 9, 9, w, nullptr, nullptr, nullptr);
    for (const UINT ask : {WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX}) {
      EXPECT_EQ(SendMessageA(w, ask, WPARAM(GetDC(w)), LPARAM(child)),
                DefWindowProcA(w, ask, WPARAM(GetDC(w)), LPARAM(child)))
          << ask;
    }
    DestroyWindow(w);
    window_ = WindowOpen("core", 50, 50, 400, 300, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, nullptr);
  }
  void SetUp() override { ASSERT_NE(window_, nullptr) << "no display?"; }
  // A control with that control id, registered under it or under `gadget`.
  HWND Make(const char* class_name, DWORD style, GadgetId id, int y = 10, int height = 30,
            GadgetId gadget = -1) {
    HWND control =
        CreateWindowExA(0, class_name, "", WS_CHILD | WS_VISIBLE | style, 10, y, 200, height,
                        window_, reinterpret_cast<HMENU>(id), GetModuleHandleA(nullptr), nullptr);
    GadgetRegister(gadget < 0 ? id : gadget, control);
    return control;
  }
  static inline HWND window_ = nullptr;
  static inline HDC screen_ = GetDC(nullptr);
};

TEST_F(WindowEvents, ControlsArePaintedFromTheirEntriesAndWithoutOneAsTheSystemPaintsThem) {
  // clang-format off
  const struct { const char* class_name; DWORD style; bool entry; COLORREF back, front, painted; } rows[] = {
      // A combo box's drop-down list without colours is not black on black; with them, in them.
      {"ComboBox", CBS_DROPDOWNLIST, false, 0, 0, GetSysColor(COLOR_WINDOW)}, {"ComboBox", CBS_DROPDOWNLIST, true, kYellow, kBlue, kYellow},
      {"Static", SS_LEFT, true, kGreen, 0, kGreen}, {"Edit", 0, true, kYellow, kBlue, kYellow}, {"ListBox", 0, true, kBlue, kGreen, kBlue},
      // A scroll bar with front colour 0 is on the dialog face; a static without an entry is not
      // painted with the cached brush.
      {"ScrollBar", SBS_HORZ, true, kRed, kGreen, kRed}, {"ScrollBar", SBS_HORZ, true, kRed, 0, 0xF0F0F0},
      {"Static", SS_LEFT, false, 0, 0, GetSysColor(COLOR_BTNFACE)}};
  // clang-format on
  for (const auto& row : rows) {
    HWND control =
        Make(row.class_name, row.style, 20, 60, row.style == CBS_DROPDOWNLIST ? 200 : 30);
    SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    if (row.entry && ColourEntryAdd(control, 0, 0))
      GadgetColourSet(20, row.back, row.front, COLOUR_BOTH);
    COMBOBOXINFO combo = {sizeof combo, {}, {}, 0, nullptr, nullptr, nullptr};
    SendMessageA(control, CB_SHOWDROPDOWN, TRUE, 0);
    HWND shown = GetComboBoxInfo(control, &combo) ? combo.hwndList : control;
    RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    POINT at = {100, 5};
    ClientToScreen(shown, &at);
    EXPECT_EQ(GetPixel(screen_, at.x, at.y), row.painted) << row.class_name << " " << row.entry;
    DestroyWindow(control);
  }
}

TEST_F(WindowEvents, TheBrushIsKeptForTheSameColourWindowAndMessageAndReplacedOtherwise) {
  HWND control = Make("Static", SS_LEFT, 22);
  ColourEntryAdd(control, kRed, kRed);
  ColourEntryAdd(control, kGreen, kBlue);  // updates the entry
  auto ask = [&](UINT message) {
    return reinterpret_cast<HBRUSH>(SendMessageA(
        window_, message, reinterpret_cast<WPARAM>(screen_), reinterpret_cast<LPARAM>(control)));
  };
  HBRUSH first = ask(WM_CTLCOLORSTATIC);
  EXPECT_EQ(std::pair(GetBkColor(screen_), GetTextColor(screen_)), std::pair(kGreen, kBlue));
  EXPECT_EQ(ask(WM_CTLCOLORSTATIC), first);
  EXPECT_NE(ask(WM_CTLCOLOREDIT), first);
  EXPECT_EQ(GetObjectType(first), 0u) << "the replaced brush is deleted";
}

TEST_F(WindowEvents, EachClassRowSendsItsMessagesAndTheWindowRuleNeedsTheWholePrefix) {
  // clang-format off
  const struct { const char* class_name; bool made_here; std::int32_t selector; std::vector<Sent> messages; std::int32_t code; bool new_background = false; } rows[] = {
      // made_here: a class of that name registered by the test, where only its name counts;
      // messages: every one from WM_USER up, in order.
      {"RichEdit20A", false, 3, {{EM_SETCHARFORMAT, SCF_ALL, 0}, {EM_SETBKGNDCOLOR, 0, kBack}}, 1},
      {"RICHEDIT20A", true, 3, {}, 0}, {"ComboBox", false, 3, {}, 3}, {"ScrollBar", false, 3, {}, 2},
      {"tooltips_class32", false, 3, {{TTM_SETTIPBKCOLOR, kBack, 0}, {TTM_SETTIPTEXTCOLOR, kFront, 0}}, 1},
      {"SysTreeView32", false, 3, {{TVM_SETBKCOLOR, 0, kBack}, {TVM_SETTEXTCOLOR, 0, kFront}}, 1},
      {"SysListView32", false, 1, {{LVM_SETBKCOLOR, 0, kBack}, {LVM_SETTEXTBKCOLOR, 0, kBack}}, 1},
      {"msctls_progress32", false, 3, {{PBM_SETBKCOLOR, 0, kBack}, {PBM_SETBARCOLOR, 0, kFront}}, 0},
      {"msctls_statusbar32", false, 2, {{SB_SETBKCOLOR, 0, kBack}}, 0},
      {"ExplorerGadget", true, 3,  // to its list view
       {{LVM_SETBKCOLOR, 0, kBack}, {LVM_SETTEXTBKCOLOR, 0, kBack}, {LVM_SETTEXTCOLOR, 0, kFront}}, 4},
      {"CLASSCLASS_7", true, 2, {}, 0, true}, {"Container", true, 2, {}, 0, true}, {"Containe", true, 2, {}, 0, false}};
  // clang-format on
  GadgetId id = 30;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.class_name);
    const WNDCLASSA own = {0,  DefWindowProcA, 0, 0, GetModuleHandleA(nullptr), {}, {}, {},
                           {}, row.class_name};
    if (row.made_here) RegisterClassA(&own);
    HWND control = Make(row.class_name, 0, ++id);
    HWND target = control;
    static HWND explorer_record[1];  // an explorer's record begins with its list view
    if (row.code == COLOUR_CLASS_EXPLORER) {
      target = explorer_record[0] = Make(WC_LISTVIEWA, 0, 99);
      SetPropA(control, "addparam60000", explorer_record);
    }
    ColourEntryAdd(target, 0, 0);
    SetWindowSubclass(target, Recorder, 0, 0);
    const auto background = GetClassLongPtrA(control, GCLP_HBRBACKGROUND);
    sent.clear();
    GadgetColourSet(id, kBack, kFront, row.selector);
    EXPECT_EQ(sent, row.messages);
    EXPECT_EQ(ControlColourApply(control, kBack, kFront, 0), row.code);
    const auto made = GetClassLongPtrA(control, GCLP_HBRBACKGROUND);
    EXPECT_EQ(made != background, row.new_background);
    // A background brush that the toolkit made is deleted when it is replaced.
    if (row.new_background) ControlColourApply(control, kFront, kFront, COLOUR_FRONT);
    EXPECT_TRUE(!row.new_background || GetObjectType(reinterpret_cast<HGDIOBJ>(made)) == 0);
    EXPECT_EQ(GadgetColourGet(id, COLOUR_GET_GADGET_BACKGROUND), row.selector & 1 ? kBack : 0);
  }
}

// Limits apply one by one: with the maxima removed, the window still grows. With an MDI client
// set, unanswered messages go to DefFrameProcA, which keeps the client filling the window. Each
// resize gives the new client size at once.
TEST_F(WindowEvents, SizeLimitsApplyWhileTheFlagIsOneAndOnlyThoseSet_AFrameClientFillsTheWindow) {
  EXPECT_EQ(MainWindowProcAddress(), &MainWindowProc);
  CLIENTCREATESTRUCT create = {nullptr, 1000};
  HWND client = CreateWindowExA(0, "MDICLIENT", "", WS_CHILD, 0, 0, 10, 10, window_, nullptr,
                                GetModuleHandleA(nullptr), &create);
  // clang-format off
  const std::pair<const char*, std::intptr_t> limits[] = {
      {PROP_MINIMAL_WIDTH, 260}, {PROP_MINIMAL_HEIGHT, 220}, {PROP_MAXIMAL_WIDTH, 420}, {PROP_MAXIMAL_HEIGHT, 350}};
  for (const auto& [name, value] : limits) SetPropA(window_, name, reinterpret_cast<HANDLE>(value));
  const struct { std::intptr_t flag; SIZE asked, got; const char* removed = nullptr; } rows[] = {  // flag -1: no property yet
      {-1, {150, 120}, {150, 120}}, {1, {150, 120}, {260, 220}}, {1, {600, 500}, {420, 350}},
      {2, {150, 120}, {150, 120}}, {0, {600, 500}, {600, 500}}, {1, {600, 500}, {600, 350}, PROP_MAXIMAL_WIDTH},
      {1, {600, 500}, {600, 500}, PROP_MAXIMAL_HEIGHT}, {1, {160, 120}, {160, 220}, PROP_MINIMAL_WIDTH},
      {0, {400, 300}, {400, 300}}};  // back to the size the other tests expect
  // clang-format on
  for (const auto& row : rows) {
    if (row.flag >= 0) SetPropA(window_, PROP_MINMAX_FLAG, reinterpret_cast<HANDLE>(row.flag));
    if (row.removed != nullptr) RemovePropA(window_, row.removed);
    EXPECT_EQ(FrameClientSet(row.flag == 2 ? client : nullptr), row.flag == 2 ? client : nullptr);
    SetWindowPos(window_, nullptr, 0, 0, row.asked.cx, row.asked.cy, SWP_NOMOVE | SWP_NOZORDER);
    RECT frame = {}, inner = {}, outer = {};
    GetWindowRect(window_, &frame);
    GetClientRect(client, &inner);
    GetClientRect(window_, &outer);
    EXPECT_EQ(std::tuple(frame.right - frame.left, frame.bottom - frame.top,
                         inner.right == outer.right, EventSizeWidth() * 10000 + EventSizeHeight()),
              std::tuple(row.got.cx, row.got.cy, row.flag == 2, outer.right * 10000 + outer.bottom))
        << row.flag;
  }
  DestroyWindow(client);
}

// Only a scroll-bar control moves its bar, and the window's own bar moves only for messages
// from itself (no control): a trackbar or an up-down moves neither. Real clicks on the bar's
// arrow and page area first, then sent messages; rows in order.
TEST_F(WindowEvents, ScrollMessagesMoveOnlyTheBarTheyCameFrom) {
  SetScrollRange(window_, SB_HORZ, 0, 100, TRUE);  // the window's own bar appears
  HWND bar = Make("ScrollBar", SBS_HORZ, 50, 120);
  SetScrollRange(bar, SB_CTL, 0, 100, TRUE);
  HWND track = Make(TRACKBAR_CLASSA, 0, 51, 150), spin = Make(UPDOWN_CLASSA, 0, 52, 180);
  RECT r = {};
  GetWindowRect(bar, &r);
  const auto thumb = [](int code, int position) { return MAKEWPARAM(code, position); };
  // clang-format off
  const struct { HWND from; WPARAM code; int click_x, page_step, control, own; } rows[] = {
      {bar, 0, r.right - 5, 0, 1, 0}, {bar, 0, r.right - 5, 0, 2, 0}, {bar, 0, r.right - 40, 0, 12, 0}, {bar, 0, r.right - 40, 4, 16, 0},
      {bar, thumb(SB_THUMBTRACK, 37), 0, 0, 37, 0}, {bar, thumb(SB_THUMBPOSITION, 0), 0, 0, 0, 0}, {bar, SB_LINEDOWN, 0, 0, 1, 0},
      {nullptr, thumb(SB_THUMBTRACK, 20), 0, 0, 1, 20}, {nullptr, SB_LINEUP, 0, 0, 1, 19}, {nullptr, SB_PAGEDOWN, 0, 0, 1, 29},
      {nullptr, SB_ENDSCROLL, 0, 0, 1, 29}, {track, SB_LINEDOWN, 0, 0, 1, 29}, {spin, thumb(SB_THUMBPOSITION, 5), 0, 0, 1, 29},
      {nullptr, thumb(SB_THUMBPOSITION, 0), 0, 0, 1, 0}, {track, SB_PAGEDOWN, 0, 0, 1, 0}};
  // clang-format on
  for (const auto& row : rows) {
    // By gadget id; an id that names no gadget sets nothing.
    const int set =
        row.page_step ? ScrollPageStepSet(50, row.page_step) * 10 + ScrollPageStepSet(4242, 1) : 10;
    EXPECT_EQ(set, 10);
    const LPARAM from = reinterpret_cast<LPARAM>(row.from);
    if (row.click_x == 0) SendMessageA(window_, WM_HSCROLL, row.code, from);
    EXPECT_TRUE(row.click_x == 0 || HostClick(row.click_x, (r.top + r.bottom) / 2));
    PollUntil([](std::int32_t code) { return code == WM_HSCROLL; }, row.click_x ? 5000 : 0);
    EXPECT_EQ(std::pair(GetScrollPos(bar, SB_CTL), GetScrollPos(window_, SB_HORZ)),
              std::pair(row.control, row.own))
        << &row - rows;
  }
}

// Each control has control id 7 and is registered as gadget 70.
TEST_F(WindowEvents, CommandsAndScrollsFromControlsDependOnTheirKind) {
  // clang-format off
  const struct { const char* class_name; DWORD style; bool focused; UINT message; WPARAM wparam; std::int32_t code; std::int64_t id; } rows[] = {
      {TOOLBARCLASSNAMEA, 0, false, WM_COMMAND, 7, EVENT_GADGET, 7},
      {"Edit", 0, false, WM_COMMAND, MAKEWPARAM(7, EN_CHANGE), 0, 0},
      {"Edit", 0, true, WM_COMMAND, MAKEWPARAM(7, EN_CHANGE), EVENT_GADGET, 7},
      {"ScrollBar", SBS_HORZ, false, WM_VSCROLL, SB_LINEDOWN, WM_VSCROLL, 0}};
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(row.class_name);
    HWND control = Make(row.class_name, row.style, 7, 10, 30, 70);
    SetFocus(row.focused ? control : window_);
    PollDrain();
    const std::int64_t last = EventLastGadgetId();
    SendMessageA(window_, row.message, row.wparam, reinterpret_cast<LPARAM>(control));  // parked
    EXPECT_EQ(EventPoll(), row.code);
    EXPECT_EQ(std::tuple(EventSourceId(), EventLastGadgetId(), EventSourceWindow()),
              std::tuple(row.id, row.message == WM_COMMAND && row.code ? 7 : last, control));
    GadgetFree(70);
  }
  SendMessageA(window_, WM_VSCROLL, SB_LINEDOWN, 0);  // the window's own scroll bar
  EXPECT_EQ(EventPoll(), 0);
}

// The records as the window procedure copies them; one layout holds every field read.
union Record {
  NMITEMACTIVATE item;
  NMTREEVIEWA tree;
};

TEST_F(WindowEvents, NotificationsAreReadOnlyFromTheCopiesAndWithinThem) {
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
    const int column = static_cast<int>(&row - rows), index = column + 50;  // new in every row
    record.item = {
        {nullptr, 40, row.code}, index, column, row.new_state, row.old_state, 0, {}, 0, LVKF_SHIFT};
    record.tree.itemNew.hItem = reinterpret_cast<HTREEITEM>(std::uintptr_t{0x1234567890});
    void* copy = row.block == foreign ? &record : NotifyCopyBlockFill(row.block, &record);
    EventSlotAStore(window_, row.message, row.message == WM_USER ? ITEM_NOTIFY : 0,
                    reinterpret_cast<LPARAM>(copy));
    EXPECT_EQ(EventPoll(), row.event);
    const bool tree = row.code == TVN_SELCHANGEDA || (row.message == WM_USER && row.id != 0);
    EXPECT_EQ(std::tuple(EventSourceId(), EventListGadgetTake(), EventTreeGadgetTake()),
              std::tuple(row.id, row.list, tree ? 40 : 0));
    EXPECT_EQ(EventColumnClickTake(), row.code == LVN_COLUMNCLICK ? column : -1);
    EXPECT_EQ(row.event != 0 ? EventItemIndex() : index, index);
    EXPECT_EQ(row.event != 0 && row.new_state == 0 ? EventItemColumn() : column, column);
    EXPECT_EQ(EventSourceWindow(),
              row.code == NM_RCLICK || row.code == NM_DBLCLK ? window_ : nullptr);
    EXPECT_EQ(row.flags >= 0 ? EventItemKeyFlags() : row.flags, row.flags);
    const std::int64_t handle = 0x1234567890;  // the whole handle
    EXPECT_EQ(row.code == TVN_SELCHANGEDA ? EventTreeItem() : handle, handle);
  }
}

TEST_F(WindowEvents, OnlyTheListedMessagesAreParked) {
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
TEST_F(WindowEvents, ShortcutsOfTheWindowOrItsTopmostAncestorLastMatchWinning) {
  HWND child = WindowOpen("child", 0, 0, 50, 50, WS_CHILD | WS_VISIBLE, 0, window_);
  HWND other = WindowOpen("other", 0, 0, 50, 50, WS_OVERLAPPED, 0, nullptr);
  ACCEL accels[] = {{FVIRTKEY, VK_F5, 0x321}, {FVIRTKEY, VK_F5, 0x322}};
  HACCEL tables[] = {CreateAcceleratorTableA(&accels[0], 1),
                     CreateAcceleratorTableA(&accels[1], 1)};
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

// Each message parked as the window procedure parks it; rows in order (the detail is kept). Then a
// real click.
TEST_F(WindowEvents, EachParkedMessageAndARealClickGiveTheirCodeAndFields) {
  const auto l = [](int low, int high) { return static_cast<LPARAM>(MAKELPARAM(low, high)); };
  GadgetRegister(71, window_);  // stands in for a list box
  const auto self = reinterpret_cast<LPARAM>(window_);
  const std::uint64_t tab = TAB_NOTIFY, tree = TREE_CLICK, spin = SPIN_NOTIFY, pn = WM_PARENTNOTIFY;
  // prop: set to 1 first; a mouse button after the one swallowed counts again.
  // clang-format off
  const struct { UINT message; WPARAM wparam; LPARAM lparam; const char* prop; std::int32_t code; std::int64_t id, x, y, detail; bool window; } rows[] = {
      {WM_MOUSEMOVE, MK_SHIFT, l(-5, 300), 0, WM_MOUSEMOVE, 0, 65531, 300, MK_SHIFT, 1}, {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), l(7, 8), 0, WM_MOUSEWHEEL, 0, 7, 8, 120 << 16, 1},
      {WM_RBUTTONDOWN, 77, -1, 0, WM_RBUTTONDOWN, 77, 65535, 65535, 77, 1}, {WM_MBUTTONDOWN, 77, l(3, 4), 0, WM_MBUTTONDOWN, 0, 3, 4, 77, 1},
      {WM_LBUTTONUP, MK_CONTROL, l(5, 6), 0, WM_LBUTTONUP, 0, 5, 6, MK_CONTROL, 1}, {WM_KEYDOWN, 0x10074, 0, 0, WM_KEYDOWN, 0, 0, 0, 0x74, 1},
      {WM_KEYUP, 0x10075, 0, 0, WM_KEYUP, 0x75, 0, 0, 0x74, 1}, {WM_TIMER, 9, 0, 0, WM_TIMER, 9, 0, 0, 0x74, 1},
      {WM_CLOSE, 0, 0, 0, WM_CLOSE, 0, 0, 0, 0x74, 1}, {WM_ACTIVATE, WA_CLICKACTIVE, 0, 0, WM_ACTIVATE, 0, 0, 0, 0x74, 1},
      {WM_ACTIVATE, WA_ACTIVE, 0, 0, 0, 0, 0, 0, 0x74, 0}, {WM_VKEYTOITEM, 0x20041, self, 0, EVENT_GADGET, 71, 0, 0, 0x41, 0},
      {WM_USER, spin, 55, 0, EVENT_GADGET, 55, 0, 0, 0x41, 0}, {WM_USER, tree, l(8, 516), 0, WM_RBUTTONDOWN, 8, 0, 0, 0x41, 0},
      {WM_USER, tab, l(6, EVENT_GADGET), 0, EVENT_GADGET, 6, 0, 0, 0x41, 0}, {WM_USER, 0xF1F5, 5, 0, 0, 0, 0, 0, 0x41, 0},
      {pn, WM_RBUTTONDOWN, l(10, 20), 0, WM_RBUTTONDOWN, 0, 10, 20, 0x41, 0}, {pn, WM_LBUTTONDOWN, l(10, 20), "panelevent", 0, 0, 10, 20, 0x41, 0},
      {pn, WM_LBUTTONDOWN, l(10, 20), "eventmousebutton", 0, 0, 0, 0, 0x41, 0}, {pn, WM_MBUTTONDOWN, l(10, 20), 0, WM_MBUTTONDOWN, 0, 10, 20, 0x41, 0},
      {pn, WM_CREATE, l(10, 20), 0, 0, 0, 0, 0, 0x41, 0}, {WM_SYSKEYDOWN, VK_F10, 0, 0, WM_SYSKEYDOWN, 0, 0, 0, 0x41, 0}};
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "message " << row.message << ", wParam " << row.wparam);
    if (row.prop) SetPropA(window_, row.prop, reinterpret_cast<HANDLE>(1));
    EventSlotAStore(window_, row.message, row.wparam, row.lparam);
    EXPECT_EQ(EventPoll(), row.code);
    RemovePropA(window_, "panelevent");
    EXPECT_EQ(
        std::tuple(EventSourceId(), EventMouseX(), EventMouseY(), EventDetail(),
                   EventSourceWindow(), EventRawWParam(), EventRawLParam(), EventTreeGadgetTake()),
        std::tuple(row.id, row.x, row.y, row.detail, row.window ? window_ : nullptr,
                   std::uint64_t{row.wparam}, static_cast<std::uint64_t>(row.lparam),
                   row.wparam == tree ? 8 : 0));
  }
  GadgetUnregister(71);
  // A real click, parked by the window procedure, reports where it hit the client area.
  ASSERT_TRUE(HostClick(37, 41, window_));
  PollUntil([](std::int32_t code) { return code == WM_LBUTTONDOWN; });
  EXPECT_EQ(std::tuple(EventMouseX(), EventMouseY(), EventSourceWindow()),
            std::tuple(37, 41, window_));
}

// The window-procedure hook answers WM_TIMER 5 itself; the post-dispatch hook notes what it is
// given.
using Fields = std::tuple<HWND, UINT, WPARAM, LPARAM, DWORD, LONG, LONG>;
Fields noted;
std::int64_t AnswerTimerFive(HWND, UINT message, WPARAM wparam, LPARAM) {
  return message == WM_TIMER && wparam == 5 ? 77 : 0;
}
void Note(HWND window, UINT message, WPARAM wparam, LPARAM lparam, DWORD time, std::uint64_t pt) {
  noted = {window, message, wparam, lparam, time, LONG(pt & 0xFFFFFFFF), LONG(pt >> 32)};
}

// Each row turns hooks on or off (the sum of the results: 1 each, 0 when refused); WM_TIMER 5 is
// then answered by the window-procedure hook (77000: and not reported) or reported (275), and a
// posted WM_APP is noted by the post-dispatch hook, or not.
TEST_F(WindowEvents, HooksOfTheirOwnKindAreCalledUntilTurnedOff) {
  // clang-format off
  const std::tuple<std::function<int()>, int, LRESULT, bool> rows[] = {
      {[] { return MessageHookSet(AnswerTimerFive, HOOK_POST_DISPATCH) + MessageHookSet(Note, HOOK_WINDOW_PROC); }, 0, 275, false},
      {[] { return MessageHookSet(AnswerTimerFive, HOOK_WINDOW_PROC) + MessageHookSet(Note, HOOK_POST_DISPATCH); }, 2, 77000, true},
      {[] { return MessageHookClear(HOOK_WINDOW_PROC) + MessageHookSet(nullptr, 2); }, 1, 275, true},
      {[] { return MessageHookSet(AnswerTimerFive, HOOK_WINDOW_PROC) + MessageHookClear(HOOK_POST_DISPATCH); }, 2, 77000, false},
      {[] { return MessageHookSet(nullptr, HOOK_WINDOW_PROC) + MessageHookSet(Note, HOOK_POST_DISPATCH); }, 2, 275, true},
      {[] { return MessageHookSet(nullptr, HOOK_POST_DISPATCH) + MessageHookClear(7); }, 2, 275, false}};
  // clang-format on
  for (const auto& [call, result, timer, noting] : rows) {
    EXPECT_EQ(call(), result);
    const LRESULT answer = SendMessageA(window_, WM_TIMER, 5, 0);
    EXPECT_EQ(answer * 1000 + EventPoll(), timer);
    noted = {};
    EventMessageRecord()->message = 0;
    PostMessageA(window_, WM_APP, 3, 4);
    PollUntil([](std::int32_t) { return EventMessageRecord()->message == WM_APP; });
    const MSG& m = noting ? *EventMessageRecord() : MSG{};
    EXPECT_EQ(noted, Fields(m.hwnd, m.message, m.wParam, m.lParam, m.time, m.pt.x, m.pt.y))
        << timer;
  }
}

int sleeps = 0;

TEST_F(WindowEvents, ThrottleSleepsEveryNthCall) {
  EventPollThrottleSleepSet([](DWORD milliseconds) { sleeps += milliseconds == 1; });
  // Rows in order: the count carries over from one to the next.
  // clang-format off
  const struct { std::int64_t n; int calls, sleeps; } rows[] = {{1, 5, 5}, {0, 3, 3}, {-3, 2, 2}, {4, 8, 2}, {4, 3, 0}, {4, 1, 1}};
  // clang-format on
  for (const auto& row : rows) {
    sleeps = 0;
    for (int i = 0; i < row.calls; ++i) EventPollThrottle(row.n);
    EXPECT_EQ(sleeps, row.sleeps) << "n " << row.n << ", " << row.calls << " calls";
  }
  EventPollThrottleSleepSet(nullptr);
}

}  // namespace
