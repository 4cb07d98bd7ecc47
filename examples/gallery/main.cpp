// Controls gallery: coloured controls, stepping, tab pages, status bar, tooltip, tree, list,
// up-down and size limits in one toolkit window; every event is printed as one line.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <vantrel/toolkit.h>

namespace {

constexpr GadgetId kStatic = 1;
constexpr GadgetId kEdit = 2;
constexpr GadgetId kListBox = 3;
constexpr GadgetId kScrollBar = 4;
constexpr GadgetId kCombo = 5;
constexpr GadgetId kTabs = 6;
constexpr GadgetId kPageOne = 61;
constexpr GadgetId kPageTwo = 62;
constexpr GadgetId kStatusBar = 7;
constexpr GadgetId kTree = 8;
constexpr GadgetId kList = 9;
constexpr GadgetId kSpin = 10;  // the edit field and its up-down share the id

constexpr std::int32_t kWidth = 560, kHeight = 420;
constexpr int kPageStep = 5, kScrollMax = 100;
constexpr int kTabWidth = 90, kTabHeight = 22;

// COLORREF values: 0x00BBGGRR.
constexpr std::int32_t kPaleGreen = 0xC0F0C0, kDarkGreen = 0x006000;
constexpr std::int32_t kPaleYellow = 0xC0FFFF, kBlue = 0xA00000;
constexpr std::int32_t kPaleBlue = 0xFFE0C0, kNavy = 0x800000;
constexpr std::int32_t kPink = 0xE0C0FF, kMaroon = 0x000080;
constexpr std::int32_t kWhite = 0xFFFFFF;

// Longer than a tooltip shows: it is cut to its first 79 characters.
const char kTooltipText[] =
    "An edit field in the toolkit's colours. Tooltip texts are cut to 79 characters, so this "
    "one never ends";

HWND Child(const char* class_name, const char* text, DWORD style, int x, int y, int width,
           int height, GadgetId id) {
  HWND control =
      CreateWindowExA(0, class_name, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                      CurrentWindowGet(), reinterpret_cast<HMENU>(id), nullptr, nullptr);
  GadgetRegister(id, control);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return control;
}

void Coloured(HWND control, std::int32_t background, std::int32_t text) {
  ColourEntryAdd(control, background, text);
}

void AddTab(HWND tabs, int index, const char* text, HWND page) {
  TCITEMA item = {};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = const_cast<char*>(text);
  item.lParam = reinterpret_cast<LPARAM>(page);
  SendMessageA(tabs, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

void AddTreeItems(HWND tree) {
  TVINSERTSTRUCTA insert = {};
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  for (const char* root : {"Colours", "Events", "Limits"}) {
    insert.hParent = TVI_ROOT;
    insert.item.pszText = const_cast<char*>(root);
    auto parent = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    insert.hParent = parent;
    insert.item.pszText = const_cast<char*>("detail");
    SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
  }
}

void AddListItems(HWND list) {
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 80;
  column.pszText = const_cast<char*>("Name");
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  column.pszText = const_cast<char*>("Size");
  SendMessageA(list, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
  const char* rows[][2] = {{"alpha", "1 KB"}, {"beta", "20 KB"}, {"gamma", "300 KB"}};
  for (int row = 0; row < 3; ++row) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(rows[row][0]);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(rows[row][1]);
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  }
}

void AddTooltip(HWND window, HWND tool) {
  HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                             window, nullptr, nullptr, nullptr);
  TTTOOLINFOA info = {};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = window;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  // The window procedure fetches the text from the property named by the tool id.
  const std::string name = std::to_string(reinterpret_cast<std::uintptr_t>(tool));
  SetPropA(window, name.c_str(), const_cast<char*>(kTooltipText));
}

void SetLimits(HWND window) {
  SetPropA(window, PROP_MINIMAL_WIDTH, reinterpret_cast<HANDLE>(std::intptr_t{kWidth}));
  SetPropA(window, PROP_MINIMAL_HEIGHT, reinterpret_cast<HANDLE>(std::intptr_t{kHeight}));
  SetPropA(window, PROP_MAXIMAL_WIDTH, reinterpret_cast<HANDLE>(std::intptr_t{kWidth * 2}));
  SetPropA(window, PROP_MAXIMAL_HEIGHT, reinterpret_cast<HANDLE>(std::intptr_t{kHeight * 2}));
  SetPropA(window, PROP_MINMAX_FLAG, reinterpret_cast<HANDLE>(MINMAX_APPLY));
}

void Build(HWND window) {
  Coloured(Child("Static", " A coloured static text", SS_LEFT, 10, 10, 250, 24, kStatic),
           kPaleGreen, kDarkGreen);
  HWND edit =
      Child("Edit", "a coloured edit field", WS_BORDER | ES_AUTOHSCROLL, 10, 40, 250, 24, kEdit);
  Coloured(edit, kPaleYellow, kBlue);
  AddTooltip(window, edit);
  HWND list_box = Child("ListBox", nullptr, WS_BORDER | WS_VSCROLL, 10, 70, 120, 90, kListBox);
  for (const char* text : {"red", "green", "blue"}) {
    SendMessageA(list_box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  Coloured(list_box, kPaleBlue, kNavy);
  HWND scroll = Child("ScrollBar", nullptr, SBS_HORZ, 10, 170, 250, 20, kScrollBar);
  SetScrollRange(scroll, SB_CTL, 0, kScrollMax, TRUE);
  Coloured(scroll, kPink, kMaroon);
  ScrollPageStepSet(kScrollBar, kPageStep);

  HWND combo =
      Child("ComboBox", nullptr, CBS_DROPDOWNLIST | WS_VSCROLL, 140, 130, 120, 120, kCombo);
  for (const char* text : {"first", "second", "third"}) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  GadgetColourSet(kCombo, kPink, kMaroon, COLOUR_BOTH);

  HWND tabs =
      Child(WC_TABCONTROLA, nullptr, TCS_FIXEDWIDTH | WS_CLIPSIBLINGS, 10, 200, 250, 120, kTabs);
  SendMessageA(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(kTabWidth, kTabHeight));
  HWND page_one = Child("Static", "The first page", SS_CENTER, 20, 240, 230, 60, kPageOne);
  HWND page_two = Child("Static", "The second page", SS_CENTER, 20, 240, 230, 60, kPageTwo);
  ShowWindow(page_two, SW_HIDE);
  // The pages lie over the tab control: above it in the order of siblings.
  for (HWND page : {page_one, page_two}) {
    SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  AddTab(tabs, 0, "One", page_one);
  AddTab(tabs, 1, "Two", page_two);

  HWND tree = Child(WC_TREEVIEWA, nullptr,
                    WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                    280, 10, 250, 140, kTree);
  AddTreeItems(tree);
  GadgetColourSet(kTree, kWhite, kNavy, COLOUR_BOTH);
  HWND list = Child(WC_LISTVIEWA, nullptr, WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, 280, 160,
                    250, 110, kList);
  AddListItems(list);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);

  HWND spin_edit = Child("Edit", "0", WS_BORDER | ES_NUMBER, 280, 280, 80, 24, kSpin);
  HWND spin = CreateWindowExA(0, UPDOWN_CLASSA, nullptr,
                              WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT, 0, 0, 0, 0,
                              window, reinterpret_cast<HMENU>(kSpin), nullptr, nullptr);
  SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(spin_edit), 0);
  SendMessageA(spin, UDM_SETRANGE32, 0, kScrollMax);
  SetPropA(spin, PROP_COMPANION, spin_edit);

  HWND status =
      Child(STATUSCLASSNAMEA, "Resize me: the status bar follows", 0, 0, 0, 0, 0, kStatusBar);
  SetPropA(window, PROP_STATUSBAR_WINDOW, status);
  SetLimits(window);
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX),
                                   ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  // One line per event, seen at once by whoever reads the output.
  std::setvbuf(stdout, nullptr, _IONBF, 0);

  HWND window = WindowOpen("Vantrel gallery", 40, 40, kWidth, kHeight,
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, nullptr);
  if (window == nullptr) return 1;
  Build(window);
  ShowWindow(window, SW_SHOWNORMAL);

  for (;;) {
    const std::int32_t code = EventWait();
    if (code == 0) continue;
    std::printf("event %d id %lld item %lld column %lld\n", code,
                static_cast<long long>(EventSourceId()), static_cast<long long>(EventItemIndex()),
                static_cast<long long>(EventItemColumn()));
    if (code == WM_CLOSE) return 0;
  }
}
