// The gadget set under Wine: every creator's control, the operations by id on each kind, real
// clicks and keys giving their events, anchors after a resize, containers, window settings.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <vantrel/toolkit.h>

#include "tests/support/program_steps.h"
#include "tests/support/wine_host.h"

namespace {

enum : GadgetId {
  kButton = 1,
  kCheck,
  kOption1,
  kOption2,
  kText,
  kOption3,
  kString,
  kEditor,
  kList,
  kCombo,
  kTrack,
  kProgress,
  kSpin,
  kScroll,
  kBox,
  kInner,
  kStatus
};

class GadgetSet : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    window_ =
        WindowOpen("gadgets", 0, 0, 640, 480,
                   WS_VISIBLE | WS_OVERLAPPEDWINDOW | WINDOW_STYLE_TABSTOP_REQUEST, 0, nullptr);
    ButtonGadgetCreate(kButton, 10, 10, 100, 28, "Press", BUTTON_DEFAULT);
    CheckBoxGadgetCreate(kCheck, 10, 40, 100, 24, "Check", 0);
    OptionGadgetCreate(kOption1, 10, 70, 100, 24, "One", 0);
    OptionGadgetCreate(kOption2, 10, 100, 100, 24, "Two", 0);
    TextGadgetCreate(kText, 10, 130, 100, 24, "Text", TEXT_RIGHT);
    OptionGadgetCreate(kOption3, 10, 160, 100, 24, "Three", 0);
    StringGadgetCreate(kString, 120, 10, 120, 24, "secret", STRING_PASSWORD);
    EditorGadgetCreate(kEditor, 120, 40, 120, 80, "line", 0);
    ListBoxGadgetCreate(kList, 250, 10, 120, 100, 0);
    ComboBoxGadgetCreate(kCombo, 250, 120, 120, 120, 0);
    TrackBarGadgetCreate(kTrack, 380, 10, 200, 30, 0, 10, 0);
    ProgressBarGadgetCreate(kProgress, 380, 50, 200, 20, 0, 100, 0);
    SpinGadgetCreate(kSpin, 380, 80, 80, 24, 5, 9, 0);
    ScrollBarGadgetCreate(kScroll, 380, 110, 200, 20, 0, 50, 10, 0);
    ContainerGadgetCreate(kBox, 10, 200, 300, 120, "Box", CONTAINER_FRAME);
    ButtonGadgetCreate(kInner, 20, 30, 100, 28, "Inside", 0);
    CurrentWindowSet(window_);
    const std::int32_t widths[] = {200, -1};
    StatusBarCreate(kStatus, 2, widths);
  }
  static inline HWND window_ = nullptr;
};

// The events of real input until one comes from `id` with the code, as "code id" text.
std::string EventOf(const std::function<void()>& act, GadgetId id, std::int32_t code) {
  act();
  std::string seen = "none";
  PollUntil([&](std::int32_t got) {
    if (got == code && EventSourceId() == id) seen = std::to_string(got) + " " + std::to_string(id);
    return seen != "none";
  });
  return seen;
}

TEST_F(GadgetSet, EachCreatorMakesItsControlInTheCurrentWindowRegisteredInTheGadgetFont) {
  // clang-format off
  const struct { GadgetId id; const char* class_name; DWORD style; } rows[] = {
      {kButton, "Button", BS_DEFPUSHBUTTON}, {kCheck, "Button", BS_AUTOCHECKBOX}, {kOption1, "Button", BS_AUTORADIOBUTTON | WS_GROUP},
      {kOption2, "Button", BS_AUTORADIOBUTTON}, {kText, "Static", SS_RIGHT}, {kOption3, "Button", BS_AUTORADIOBUTTON | WS_GROUP},
      {kString, "Edit", ES_PASSWORD}, {kEditor, "Edit", ES_MULTILINE}, {kList, "ListBox", LBS_NOTIFY},
      {kCombo, "ComboBox", CBS_DROPDOWNLIST}, {kTrack, TRACKBAR_CLASSA, 0}, {kProgress, PROGRESS_CLASSA, 0},
      {kSpin, "Edit", ES_NUMBER}, {kScroll, "ScrollBar", SBS_HORZ}, {kBox, "VantrelContainer", WS_CLIPCHILDREN},
      {kStatus, STATUSCLASSNAMEA, SBARS_SIZEGRIP}};
  // clang-format on
  for (const auto& row : rows) {
    HWND gadget = GadgetWindowOf(row.id);
    EXPECT_EQ(WindowClassNameGet(gadget), row.class_name) << row.id;
    EXPECT_EQ(GetWindowLongPtrA(gadget, GWL_STYLE) & (row.style | WS_GROUP), LONG_PTR(row.style))
        << row.id;
    EXPECT_EQ(std::pair(GetParent(gadget), GetDlgCtrlID(gadget)), std::pair(window_, int(row.id)));
    const bool bar = row.id == kTrack || row.id == kScroll || row.id == kBox;  // keep no font
    EXPECT_EQ(SendMessageA(gadget, WM_GETFONT, 0, 0) != 0, !bar) << row.id;
  }
  EXPECT_EQ(GetParent(GadgetWindowOf(kInner)), GadgetWindowOf(kBox));
  // The other forms: vertical bars, an editable combo box, a read-only editor, a framed text.
  // clang-format off
  const struct { HWND made; LONG_PTR mask, style; } forms[] = {
      {TrackBarGadgetCreate(50, 0, 0, 30, 100, 0, 5, BAR_VERTICAL), TBS_VERT, TBS_VERT},
      {ScrollBarGadgetCreate(51, 0, 0, 20, 100, 0, 5, 1, BAR_VERTICAL), SBS_VERT, SBS_VERT},
      {ComboBoxGadgetCreate(52, 0, 0, 90, 90, COMBO_EDITABLE), CBS_DROPDOWNLIST, CBS_DROPDOWN},
      {EditorGadgetCreate(53, 0, 0, 90, 90, "", STRING_READ_ONLY), ES_READONLY | ES_MULTILINE, ES_READONLY | ES_MULTILINE},
      {TextGadgetCreate(54, 0, 0, 90, 20, "", TEXT_CENTRE | TEXT_BORDER), SS_TYPEMASK | SS_SUNKEN, SS_CENTER | SS_SUNKEN}};
  // clang-format on
  for (const auto& form : forms)
    EXPECT_EQ(GetWindowLongPtrA(form.made, GWL_STYLE) & form.mask, form.style) << form.style;
  for (GadgetId id = 50; id <= 54; ++id) GadgetFree(id);
  // No window, nothing made: the gadget under the id stays.
  CurrentWindowSet(nullptr);
  EXPECT_EQ(ButtonGadgetCreate(kButton, 0, 0, 9, 9, "x", 0), nullptr);
  CurrentWindowSet(window_);
  EXPECT_EQ(GadgetTextGet(kButton), "Press");
}

// States, ranges (positions kept within them) and items, by id; bad ids, kinds and indexes
// change nothing and answer the failure values.
TEST_F(GadgetSet, StatesRangesItemsAndTextsByIdAndTheirFailures) {
  // clang-format off
  const struct { GadgetId id; std::int64_t set; int done; std::int64_t got; } states[] = {
      {kCheck, 1, 1, 1}, {kCheck, 2, 0, 1}, {kOption2, 1, 1, 1}, {kTrack, 7, 1, 7}, {kTrack, 70, 1, 10},
      {kProgress, -5, 1, 0}, {kScroll, 30, 1, 30}, {kSpin, 1, 1, 5}, {kSpin, 8, 1, 8}, {kText, 1, 0, -1}, {99, 1, 0, -1}};
  // clang-format on
  for (const auto& row : states) {
    EXPECT_EQ(GadgetStateSet(row.id, row.set), row.done) << row.id << " " << row.set;
    EXPECT_EQ(GadgetStateGet(row.id), row.got) << row.id << " " << row.set;
  }
  EXPECT_EQ(GadgetTextGet(kSpin), "8");
  EXPECT_EQ(GadgetRangeSet(kTrack, 5, 4) + GadgetRangeSet(kCheck, 0, 1), 0);
  for (const GadgetId id : {kList, kCombo}) {
    for (const char* text : {"b", "c"}) EXPECT_GE(GadgetItemAdd(id, -1, text), 0);
    EXPECT_EQ(GadgetItemAdd(id, 0, "a"), 0);
    EXPECT_EQ(GadgetItemAdd(id, 3, "d") + GadgetItemRemove(id, 3), 4);  // at the end by index
    EXPECT_EQ(GadgetItemAdd(id, 9, "z") + GadgetItemAdd(id, 0, nullptr), -2);
    EXPECT_EQ(GadgetStateSet(id, 1) + GadgetItemTextSet(id, 1, "B") + GadgetItemRemove(id, 2), 3);
    EXPECT_EQ(GadgetItemTextGet(id, 0) + GadgetItemTextGet(id, 1) + GadgetItemTextGet(id, 2), "aB");
    EXPECT_EQ(std::pair(GadgetStateGet(id), GadgetItemCount(id)),
              std::pair(std::int64_t{1}, std::int64_t{2}));
    EXPECT_EQ(GadgetItemRemove(id, 2) + GadgetStateSet(id, 2) + GadgetItemsClear(id), 1);
    EXPECT_EQ(GadgetItemCount(id), 0);
  }
  EXPECT_EQ(GadgetItemCount(kText) + GadgetItemsClear(kText) + GadgetItemRemove(99, 0), -1);
  EXPECT_EQ(
      GadgetTextSet(kString, "word") + GadgetTextSet(kString, nullptr) + GadgetTextSet(99, "x"), 1);
  EXPECT_EQ(GadgetTextGet(kString) + GadgetTextGet(99), "word");
  EXPECT_EQ(GadgetMove(99, 0, 0, 1, 1) + GadgetShow(99, 0) + GadgetEnable(99, 0) +
                GadgetFocusSet(99) + GadgetAnchorSet(99, ANCHOR_RIGHT) +
                StatusBarTextSet(kText, 0, "x"),
            0);
  EXPECT_EQ(GadgetColoursSet(kText, 0x0000FF, 0xFF0000) + GadgetColoursSet(99, 0, 0), 1);
  EXPECT_EQ(GadgetColourGet(kText, COLOUR_GET_GADGET_BACKGROUND) +
                GadgetColourGet(kText, COLOUR_GET_GADGET_FRONT),
            0xFF00FF);
  EXPECT_EQ(StatusBarTextSet(kStatus, 1, "right") + StatusBarTextSet(kStatus, 2, "no"), 1);
  char field[16] = {};
  SendMessageA(GadgetWindowOf(kStatus), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(field));
  EXPECT_STREQ(field, "right");
}

// Real clicks and keys: a press, a check, an option and a button inside a container are events
// of their ids; the spin's arrow and a track bar's key step them.
TEST_F(GadgetSet, RealInputGivesTheEventsOfTheGadgetsIds) {
  GadgetStateSet(kCheck, 0);
  const auto click = [](GadgetId id) { return [id] { ControlClick(GadgetWindowOf(id)); }; };
  for (const GadgetId id : {kButton, kCheck, kOption3, kInner})
    EXPECT_EQ(EventOf(click(id), id, EVENT_GADGET), "1025 " + std::to_string(id));
  EXPECT_EQ(GadgetStateGet(kCheck) + GadgetStateGet(kOption3), 2);
  // A list item chosen, and a track bar's thumb dragged to its end, with the mouse.
  for (const char* text : {"one", "two"}) GadgetItemAdd(kList, -1, text);
  RECT item;
  SendMessageA(GadgetWindowOf(kList), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const auto second = [&] {
    HostClick(item.left + 10, (item.top + item.bottom) / 2, GadgetWindowOf(kList));
  };
  EXPECT_EQ(EventOf(second, kList, EVENT_GADGET), "1025 " + std::to_string(kList));
  EXPECT_EQ(GadgetStateGet(kList), 1);
  GadgetItemsClear(kList);
  RECT thumb, bar;
  SendMessageA(GadgetWindowOf(kTrack), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  MapWindowPoints(GadgetWindowOf(kTrack), nullptr, reinterpret_cast<POINT*>(&thumb), 2);
  GetWindowRect(GadgetWindowOf(kTrack), &bar);
  const auto drag = [&] {
    const int y = (thumb.top + thumb.bottom) / 2;
    HostRun("xdotool mousemove " + std::to_string((thumb.left + thumb.right) / 2) + " " +
            std::to_string(y) + " mousedown 1 mousemove " + std::to_string(bar.right + 40) + " " +
            std::to_string(y) + " mouseup 1");
  };
  EXPECT_EQ(EventOf(drag, kTrack, EVENT_GADGET), "1025 " + std::to_string(kTrack));
  PollDrain();
  EXPECT_EQ(GadgetStateGet(kTrack), 10);
  GadgetStateSet(kSpin, 6);
  RECT arrows;
  GetWindowRect(FindWindowExA(window_, nullptr, UPDOWN_CLASSA, nullptr), &arrows);
  const auto up = [&] { HostClick((arrows.left + arrows.right) / 2, arrows.top + 4); };
  EXPECT_EQ(EventOf(up, kSpin, EVENT_GADGET), "1025 " + std::to_string(kSpin));
  PollUntil([](std::int32_t) { return GadgetStateGet(kSpin) == 7; });
  EXPECT_EQ(GadgetStateGet(kSpin), 7);
  // Hidden, disabled and focused by id; a date picker's key step is an event.
  EXPECT_EQ(GadgetShow(kText, 0) + GadgetEnable(kString, 0) + GadgetFocusSet(kEditor), 3);
  EXPECT_EQ(
      std::tuple(IsWindowVisible(GadgetWindowOf(kText)), IsWindowEnabled(GadgetWindowOf(kString)),
                 GetFocus() == GadgetWindowOf(kEditor)),
      std::tuple(FALSE, FALSE, true));
  GadgetShow(kText, 1);
  GadgetEnable(kString, 1);
  DateGadgetCreate(40, 120, 130, 120, 24, 0);
  GadgetDateSet(40, 20240110);
  GadgetFocusSet(40);
  EXPECT_EQ(EventOf([] { HostKeys("Up"); }, 40, EVENT_GADGET), "1025 40");
  PollDrain();  // the key's release too, before the focus moves on
  GadgetFree(40);
  GadgetStateSet(kTrack, 3);
  GadgetFocusSet(kTrack);
  EXPECT_EQ(EventOf([] { HostKeys("Right"); }, kTrack, EVENT_GADGET),
            "1025 " + std::to_string(kTrack));
  EXPECT_EQ(GadgetStateGet(kTrack), 4);
}

// Anchored gadgets follow a resize; limits, title and the status bar follow the window.
TEST_F(GadgetSet, AnchorsLimitsTitleAndStatusBarFollowTheWindow) {
  GadgetAnchorSet(kScroll, ANCHOR_LEFT | ANCHOR_RIGHT);  // 380..580 in 624 wide: 44 to the right
  GadgetAnchorSet(kProgress, ANCHOR_RIGHT | ANCHOR_BOTTOM);
  EXPECT_EQ(GadgetMove(kTrack, 380, 10, 100, 30), 1);
  GadgetAnchorSet(kTrack, ANCHOR_RIGHT);
  RECT client;
  const auto place = [](GadgetId id) {
    RECT r;
    GetWindowRect(GadgetWindowOf(id), &r);
    MapWindowPoints(nullptr, GetParent(GadgetWindowOf(id)), reinterpret_cast<POINT*>(&r), 2);
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left);
  };
  GetClientRect(window_, &client);
  const std::string progress = place(kProgress);
  EXPECT_EQ(
      WindowSizeLimitsSet(window_, 300, 200, 800, 0) + WindowSizeLimitsSet(nullptr, 1, 1, 1, 1), 1);
  SetWindowPos(window_, nullptr, 0, 0, 900, 100, SWP_NOMOVE | SWP_NOZORDER);  // to 800 x 200
  RECT now;
  GetClientRect(window_, &now);
  const int wider = now.right - client.right, taller = now.bottom - client.bottom;
  EXPECT_EQ(wider, 800 - 640);
  EXPECT_EQ(place(kScroll), "380,110 " + std::to_string(200 + wider));
  EXPECT_EQ(place(kTrack), std::to_string(380 + wider) + ",10 100");
  EXPECT_EQ(place(kProgress),
            std::to_string(380 + wider) + "," + std::to_string(50 + taller) + " 200");
  EXPECT_EQ(place(kButton), "10,10 100");  // not anchored: stays
  RECT bar;
  GetWindowRect(GadgetWindowOf(kStatus), &bar);
  EXPECT_EQ(bar.right - bar.left, now.right);
  EXPECT_EQ(WindowTitleSet(window_, "renamed") + WindowTitleSet(window_, nullptr), 1);
  EXPECT_EQ(WindowTitleGet(window_) + WindowTitleGet(nullptr), "renamed");
  SetWindowPos(window_, nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(place(kProgress), progress);  // back where it began
  // The user drags the window's corner 60 pixels wider: the stretched bar follows.
  RECT outer;
  GetWindowRect(window_, &outer);
  SetForegroundWindow(window_);
  HostRun("xdotool mousemove " + std::to_string(outer.right - 2) + " " +
          std::to_string(outer.bottom - 2) + " mousedown 1 mousemove " +
          std::to_string(outer.right + 28) + " " + std::to_string(outer.bottom - 2) +
          " mousemove " + std::to_string(outer.right + 58) + " " +
          std::to_string(outer.bottom - 2) + " mouseup 1");
  PollUntil([&](std::int32_t) { return place(kScroll) == "380,110 260"; });
  EXPECT_EQ(place(kScroll), "380,110 260");
  // A container goes with every gadget in it.
  GadgetFree(kBox);
  EXPECT_EQ(GadgetWindowOf(kInner), nullptr);
}

// Trees, list views, tab pages, dates, tooltips and pictures by id; a real click on a tab shows
// its page alone; a tab panel goes with its pages and their gadgets.
TEST_F(GadgetSet, TreesListViewsTabPagesDatesTooltipsAndPictures) {
  enum : GadgetId { kTree = 30, kRows, kTabs, kOnPage, kDate, kCalendar, kPicture };
  TreeGadgetCreate(kTree, 400, 150, 100, 80, 0);
  const std::int64_t top = TreeNodeAdd(kTree, 0, "top"), leaf = TreeNodeAdd(kTree, top, "leaf");
  EXPECT_EQ(
      TreeNodeTextGet(kTree, top) + TreeNodeTextGet(kTree, leaf) + TreeNodeTextGet(kText, top),
      "topleaf");
  EXPECT_EQ(std::pair(TreeNodeChosenGet(kTree), TreeNodeRemove(kTree, top)),
            std::pair(std::int64_t{0}, 1));
  EXPECT_EQ(TreeNodeTextGet(kTree, leaf) + std::to_string(TreeNodeAdd(kText, 0, "x")), "0");
  ListViewGadgetCreate(kRows, 400, 240, 200, 80, 0);
  EXPECT_EQ(ListViewColumnAdd(kRows, "Name", 80) + ListViewColumnAdd(kRows, "Size", 60), 1);
  EXPECT_EQ(
      GadgetItemAdd(kRows, -1, "b") + GadgetItemAdd(kRows, 0, "a") + GadgetItemAdd(kRows, 5, "x"),
      -1);
  EXPECT_EQ(ListViewCellSet(kRows, 1, 1, "2 KB") + ListViewCellSet(kRows, 2, 1, "no"), 1);
  EXPECT_EQ(
      GadgetItemTextGet(kRows, 0) + ListViewCellGet(kRows, 1, 0) + ListViewCellGet(kRows, 1, 1),
      "ab2 KB");
  EXPECT_EQ(GadgetItemRemove(kRows, 0) + GadgetItemCount(kRows), 2);
  TabPanelGadgetCreate(kTabs, 10, 330, 300, 100, 0);
  HWND first = TabPanelPageAdd(kTabs, "One"), second = TabPanelPageAdd(kTabs, "Two");
  ButtonGadgetCreate(kOnPage, 5, 5, 80, 24, "On two", 0);
  CurrentWindowSet(window_);
  EXPECT_EQ(std::pair(GetParent(GadgetWindowOf(kOnPage)), TabPanelPageGet(kTabs, 1)),
            std::pair(second, second));
  RECT tab;
  TabCtrl_GetItemRect(GadgetWindowOf(kTabs), 1, &tab);
  const auto click = [&] {
    HostClick((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2, GadgetWindowOf(kTabs));
  };
  EXPECT_EQ(EventOf(click, kTabs, EVENT_GADGET), "1025 " + std::to_string(kTabs));
  EXPECT_EQ(std::pair(IsWindowVisible(first), IsWindowVisible(second)), std::pair(FALSE, TRUE));
  EXPECT_EQ(TabPanelPageShow(kTabs, 0) + TabPanelPageShow(kTabs, 2), 1);
  EXPECT_EQ(std::pair(IsWindowVisible(first), IsWindowVisible(second)), std::pair(TRUE, FALSE));
  DateGadgetCreate(kDate, 320, 330, 120, 24, 0);
  CalendarGadgetCreate(kCalendar, 450, 330, 180, 150, 0);
  for (const GadgetId id : {kDate, kCalendar}) {
    EXPECT_EQ(
        GadgetDateSet(id, 20240229) + GadgetDateSet(id, 20230229) + GadgetDateSet(kText, 20240101),
        1);
    EXPECT_EQ(GadgetDateGet(id), 20240229);
  }
  EXPECT_EQ(GadgetToolTipSet(kButton, "Presses") + GadgetToolTipSet(99, "x"), 1);
  NMTTDISPINFOA ask = {
      {GadgetWindowOf(kButton), 0, UINT(TTN_GETDISPINFOA)}, nullptr, {}, nullptr, 0, 0};
  ask.hdr.idFrom = reinterpret_cast<UINT_PTR>(GadgetWindowOf(kButton));
  SendMessageA(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ask));
  EXPECT_STREQ(ask.szText, "Presses");
  HBITMAP tall = CreateBitmap(10, 20, 1, 32, nullptr);
  PictureGadgetCreate(kPicture, 320, 360, 60, 60, nullptr, 0, SS_BITMAP);
  for (const std::int32_t fit : {PICTURE_FIT_SCALE, PICTURE_FIT_NONE, PICTURE_FIT_CENTRE}) {
    EXPECT_EQ(
        PictureGadgetImageSet(kPicture, tall, fit) + PictureGadgetImageSet(kText + 50, tall, fit),
        1);
    RECT r;
    GetWindowRect(GadgetWindowOf(kPicture), &r);
    const auto shown = reinterpret_cast<HBITMAP>(
        SendMessageA(GadgetWindowOf(kPicture), STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info = {};
    GetObjectA(shown, sizeof(info), &info);
    EXPECT_EQ(std::tuple(r.right - r.left, r.bottom - r.top, shown == tall, info.bmWidth),
              std::tuple(60, 60, fit != PICTURE_FIT_SCALE, fit != PICTURE_FIT_SCALE ? 10 : 60))
        << fit;
  }
  EXPECT_EQ(PictureGadgetImageSet(kPicture, tall, 3) + PictureGadgetImageSet(kButton, tall, 0), 0);
  GadgetFree(kTabs);
  EXPECT_EQ(std::pair(IsWindow(second), GadgetWindowOf(kOnPage)), std::pair(FALSE, HWND(nullptr)));
  for (const GadgetId id : {kTree, kRows, kDate, kCalendar, kPicture}) GadgetFree(id);
  EXPECT_EQ(ImageFree(tall) + ImageFree(nullptr), 1);  // the application's still
}

// The answer a timer gives the next dialog (a requester, a menu): the command it posts.
WPARAM dialog_answer = IDCANCEL;
void CALLBACK DialogAnswer(HWND, UINT, UINT_PTR timer, DWORD) {
  if (HWND dialog = FindWindowA("#32770", nullptr)) {
    KillTimer(nullptr, timer);
    PostMessageA(dialog, WM_COMMAND, dialog_answer, 0);
  }
}

// Menu items by id (checks, disabled, separators, keys shown), chosen from the bar and from a
// pop-up with real keys as EVENT_MENU; requesters answer the choice, or nothing when cancelled.
TEST_F(GadgetSet, MenusGiveTheirItemsAsMenuEventsAndRequestersAnswerTheChoice) {
  enum : std::int32_t { kOpen = 101, kQuit, kCopy };
  HMENU bar = MenuBarCreate(), file = MenuCreate(), popup = MenuCreate();
  EXPECT_EQ(MenuItemAdd(file, kOpen, "&Open\tCtrl+O") + MenuSeparatorAdd(file) +
                MenuItemAdd(file, kQuit, "&Quit") + MenuSubmenuAdd(bar, file, "&File") +
                MenuItemAdd(popup, kCopy, "&Copy") + WindowMenuSet(window_, bar),
            6);
  EXPECT_EQ(MenuItemAdd(file, 0, "x") + MenuItemAdd(file, MENU_ID_MAX + 1, "x") +
                MenuItemAdd(nullptr, 5, "x"),
            0);
  EXPECT_EQ(MenuItemCheckSet(bar, kQuit, 1) + MenuItemEnableSet(bar, kOpen, 0) +
                MenuItemCheckSet(bar, 999, 1),
            2);
  EXPECT_EQ(std::tuple(MenuItemStateGet(bar, kQuit), MenuItemStateGet(bar, kOpen),
                       MenuItemStateGet(bar, 999)),
            std::tuple(MENU_ITEM_CHECKED, MENU_ITEM_DISABLED, -1));
  MenuItemEnableSet(bar, kOpen, 1);
  SetForegroundWindow(window_);
  EXPECT_EQ(EventOf([] { HostKeys("alt+f Return"); }, kOpen, EVENT_MENU), "1026 101");
  SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HostKeys("Down Return");
  });
  EXPECT_EQ(EventOf([&] { MenuPopup(popup, window_); }, kCopy, EVENT_MENU), "1026 103");
  EXPECT_EQ(MenuFree(popup) + MenuFree(nullptr) + WindowMenuSet(window_, nullptr), 2);
  char temp[MAX_PATH];
  const std::string file_path = std::string(temp, GetTempPathA(MAX_PATH, temp)) + "chosen.txt";
  CloseHandle(CreateFileA(file_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const auto answered = [](WPARAM answer) {
    dialog_answer = answer;
    SetTimer(nullptr, 0, 50, DialogAnswer);
  };
  answered(IDOK);
  EXPECT_EQ(FileOpenRequest("Open", file_path.c_str(), "Text|*.txt|All|*.*", 0),
            std::vector<std::string>{file_path});
  answered(IDCANCEL);
  EXPECT_TRUE(FileOpenRequest("Open", nullptr, nullptr, FILE_REQUEST_MULTIPLE).empty());
  // Two files at once: their names typed into the dialog's name field, then OK.
  const std::string other = file_path.substr(0, file_path.rfind('\\') + 1) + "other.txt";
  CloseHandle(CreateFileA(other.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND dialog = FindWindowA("#32770", nullptr)) {
      KillTimer(nullptr, timer);
      SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13,
                   reinterpret_cast<LPARAM>("\"chosen.txt\" \"other.txt\""));
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }
  });
  EXPECT_EQ(FileOpenRequest("Open", file_path.c_str(), nullptr, FILE_REQUEST_MULTIPLE),
            (std::vector<std::string>{file_path, other}));
  DeleteFileA(other.c_str());
  answered(IDCANCEL);
  EXPECT_EQ(FileSaveRequest("Save", "new.txt", nullptr), "");
  answered(IDCANCEL);
  EXPECT_EQ(ColourRequest(0x123456), -1);
  answered(IDOK);
  EXPECT_EQ(ColourRequest(0x123456), 0x123456);
  answered(IDCANCEL);
  EXPECT_EQ(FontRequest(nullptr), nullptr);
  answered(IDCANCEL);
  EXPECT_EQ(FolderRequest("A folder"), "");
  DeleteFileA(file_path.c_str());
}

}  // namespace
