// The main window procedure and colours through real windows: controls painted from their
// entries (read back from the screen), the brush cache, each colour class row, size limits, the
// frame procedure and scroll stepping (by real clicks too).
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include <vantrel/toolkit.h>

#include "tests/support/wine_host.h"

namespace {

constexpr COLORREF kGreen = 0x00C000, kYellow = 0x00FFFF, kBlue = 0xFF0000, kRed = 0x0000FF;
constexpr COLORREF kBack = 0x112233, kFront = 0x445566;

// Runs first: this program has opened no window yet.
TEST(ColoursBeforeAnyWindow, AreNeitherStoredNorRead) {
  GadgetColourSet(1, kRed, kRed, COLOUR_BOTH);
  EXPECT_EQ(GadgetColourGet(1, COLOUR_GET_GADGET_BACKGROUND), 0);
}

using Sent = std::tuple<UINT, WPARAM, LPARAM>;  // message, wParam, lParam
std::vector<Sent> sent;

LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                          DWORD_PTR) {
  // EM_SETCHARFORMAT's lParam is the toolkit's own record: not compared.
  if (message >= WM_USER)
    sent.push_back({message, wparam, message == EM_SETCHARFORMAT ? 0 : lparam});
  return DefSubclassProc(window, message, wparam, lparam);
}

class WindowProc : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitCommonControls();
    LoadLibraryA("riched20.dll");
    window_ = WindowOpen("colours", 50, 50, 400, 300, WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0, nullptr);
  }
  HWND Make(const char* class_name, DWORD style, GadgetId id, int y = 10, int height = 30) {
    HWND control =
        CreateWindowExA(0, class_name, "", WS_CHILD | WS_VISIBLE | style, 10, y, 200, height,
                        window_, reinterpret_cast<HMENU>(id), GetModuleHandleA(nullptr), nullptr);
    GadgetRegister(id, control);
    return control;
  }
  static inline HWND window_ = nullptr;
  static inline HDC screen_ = GetDC(nullptr);
};

TEST_F(WindowProc, ControlsArePaintedFromTheirEntriesAndWithoutOneAsTheSystemPaintsThem) {
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

TEST_F(WindowProc, TheBrushIsKeptForTheSameColourWindowAndMessageAndReplacedOtherwise) {
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

TEST_F(WindowProc, EachClassRowSendsItsMessagesAndTheWindowRuleNeedsTheWholePrefix) {
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

// An entry whose colour equals another control's handle, or 0, is never taken for a key.
TEST_F(WindowProc, ColoursThatLookLikeKeysAreNotKeys) {
  HWND first = Make("Static", 0, 40);
  HWND second = Make("Static", 0, 41);
  ColourEntryAdd(first, static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(second)), 0);
  ColourEntryAdd(second, kGreen, kBlue);
  GadgetColourSet(4242, kRed, kRed, COLOUR_BOTH);  // no such gadget: handle 0
  EXPECT_EQ(GadgetColourGet(41, COLOUR_GET_GADGET_BACKGROUND), kGreen);
  EXPECT_EQ(GadgetColourGet(40, COLOUR_GET_GADGET_FRONT), 0);
}

// Limits apply one by one: with the maxima removed, the window still grows. With an MDI client
// set, unanswered messages go to DefFrameProcA, which keeps the client filling the window.
TEST_F(WindowProc, SizeLimitsApplyWhileTheFlagIsOneAndOnlyThoseSet_AFrameClientFillsTheWindow) {
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
      {1, {600, 500}, {600, 500}, PROP_MAXIMAL_HEIGHT}, {1, {160, 120}, {160, 220}, PROP_MINIMAL_WIDTH}};
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
    EXPECT_EQ(
        std::tuple(frame.right - frame.left, frame.bottom - frame.top, inner.right == outer.right),
        std::tuple(row.got.cx, row.got.cy, row.flag == 2))
        << row.flag;
  }
  SetPropA(window_, PROP_MINMAX_FLAG, nullptr);
  FrameClientSet(nullptr);
  DestroyWindow(client);
  SetWindowPos(window_, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
}

// Only a scroll-bar control moves its bar, and the window's own bar moves only for messages
// from itself (no control): a trackbar or an up-down moves neither. Real clicks on the bar's
// arrow and page area first, then sent messages; rows in order.
TEST_F(WindowProc, ScrollMessagesMoveOnlyTheBarTheyCameFrom) {
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

}  // namespace
