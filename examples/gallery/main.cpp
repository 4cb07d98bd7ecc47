// Controls gallery: every gadget kind of the toolkit in one window, made and coloured with the
// toolkit alone; every event is printed as one line.
#include <cstdint>
#include <cstdio>

#include <vantrel/toolkit.h>

namespace {

enum : GadgetId {
  kStatic = 1,
  kEdit,
  kListBox,
  kScrollBar,
  kCombo,
  kTabs,
  kStatusBar,
  kTree,
  kList,
  kSpin,
  kButton,
  kCheck,
  kOptionA,
  kOptionB,
  kTrack,
  kProgress,
  kDate,
  kBox,
  kInBox,
  kCalendar,
  kPageOne = 61,
  kPageTwo = 62
};
enum : std::int32_t { kMenuQuit = 100, kMenuTicks };

constexpr std::int32_t kWidth = 760, kHeight = 600;
constexpr std::int32_t kScrollMax = 100, kPageStep = 5;

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

void Coloured(GadgetId id, std::int32_t background, std::int32_t text) {
  GadgetColoursSet(id, background, text);
}

void LeftColumn() {
  TextGadgetCreate(kStatic, 10, 10, 250, 24, " A coloured static text", 0);
  Coloured(kStatic, kPaleGreen, kDarkGreen);
  StringGadgetCreate(kEdit, 10, 40, 250, 24, "a coloured edit field", 0);
  Coloured(kEdit, kPaleYellow, kBlue);
  GadgetToolTipSet(kEdit, kTooltipText);
  ListBoxGadgetCreate(kListBox, 10, 70, 120, 90, 0);
  for (const char* text : {"red", "green", "blue"}) GadgetItemAdd(kListBox, -1, text);
  Coloured(kListBox, kPaleBlue, kNavy);
  ScrollBarGadgetCreate(kScrollBar, 10, 170, 250, 20, 0, kScrollMax, kPageStep, 0);
  Coloured(kScrollBar, kPink, kMaroon);
  ComboBoxGadgetCreate(kCombo, 140, 130, 120, 120, 0);
  for (const char* text : {"first", "second", "third"}) GadgetItemAdd(kCombo, -1, text);
  GadgetStateSet(kCombo, 0);
  Coloured(kCombo, kPink, kMaroon);
  TabPanelGadgetCreate(kTabs, 10, 200, 250, 120, 0);
  TabPanelPageAdd(kTabs, "One");
  TextGadgetCreate(kPageOne, 10, 20, 220, 40, "The first page", TEXT_CENTRE);
  TabPanelPageAdd(kTabs, "Two");
  TextGadgetCreate(kPageTwo, 10, 20, 220, 40, "The second page", TEXT_CENTRE);
}

void RightColumns(HWND window) {
  CurrentWindowSet(window);
  TreeGadgetCreate(kTree, 280, 10, 250, 140, 0);
  for (const char* root : {"Colours", "Events", "Limits"})
    TreeNodeAdd(kTree, TreeNodeAdd(kTree, 0, root), "detail");
  Coloured(kTree, kWhite, kNavy);
  ListViewGadgetCreate(kList, 280, 160, 250, 110, 0);
  ListViewColumnAdd(kList, "Name", 80);
  ListViewColumnAdd(kList, "Size", 80);
  const char* rows[][2] = {{"alpha", "1 KB"}, {"beta", "20 KB"}, {"gamma", "300 KB"}};
  for (const auto& row : rows) ListViewCellSet(kList, GadgetItemAdd(kList, -1, row[0]), 1, row[1]);
  SpinGadgetCreate(kSpin, 280, 280, 80, 24, 0, kScrollMax, 0);
  ButtonGadgetCreate(kButton, 550, 10, 190, 28, "A push button", BUTTON_DEFAULT);
  CheckBoxGadgetCreate(kCheck, 550, 45, 190, 22, "A check box", 0);
  OptionGadgetCreate(kOptionA, 550, 70, 90, 22, "Option A", 0);
  OptionGadgetCreate(kOptionB, 650, 70, 90, 22, "Option B", 0);
  GadgetStateSet(kOptionA, 1);
  TrackBarGadgetCreate(kTrack, 550, 100, 190, 30, 0, 10, 0);
  ProgressBarGadgetCreate(kProgress, 550, 140, 190, 18, 0, 100, 0);
  GadgetStateSet(kProgress, 60);
  DateGadgetCreate(kDate, 550, 170, 190, 24, 0);
  GadgetDateSet(kDate, 20261210);
  CalendarGadgetCreate(kCalendar, 550, 200, 190, 160, 0);
  GadgetDateSet(kCalendar, 20261210);
  ContainerGadgetCreate(kBox, 280, 370, 460, 110, "A container", CONTAINER_FRAME);
  EditorGadgetCreate(kInBox, 10, 22, 440, 78,
                     "A multi-line editor inside a container,\r\n"
                     "which follows the window's width.",
                     0);
  GadgetAnchorSet(kInBox, ANCHOR_LEFT | ANCHOR_RIGHT);
  CurrentWindowSet(window);
  GadgetAnchorSet(kBox, ANCHOR_LEFT | ANCHOR_RIGHT);
  const std::int32_t fields[] = {300, -1};
  StatusBarCreate(kStatusBar, 2, fields);
  StatusBarTextSet(kStatusBar, 0, "Resize me: the status bar follows");
  StatusBarTextSet(kStatusBar, 1, "and the container stretches");
}

void MenuMake(HWND window) {
  HMENU bar = MenuBarCreate(), file = MenuCreate(), view = MenuCreate();
  MenuItemAdd(file, kMenuQuit, "&Quit\tAlt+F4");
  MenuItemAdd(view, kMenuTicks, "&Ticks");
  MenuItemCheckSet(view, kMenuTicks, 1);
  MenuSubmenuAdd(bar, file, "&File");
  MenuSubmenuAdd(bar, view, "&View");
  WindowMenuSet(window, bar);
}

}  // namespace

int main() {
  // One line per event, seen at once by whoever reads the output.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  HWND window = WindowOpen("Vantrel gallery", 40, 40, kWidth, kHeight,
                           WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, nullptr);
  if (window == nullptr) return 1;
  LeftColumn();
  RightColumns(window);
  MenuMake(window);
  WindowSizeLimitsSet(window, kWidth, kHeight, kWidth * 2, kHeight * 2);

  for (;;) {
    const std::int32_t code = EventWait();
    if (code == 0) continue;
    std::printf("event %d id %lld item %lld column %lld\n", code,
                static_cast<long long>(EventSourceId()), static_cast<long long>(EventItemIndex()),
                static_cast<long long>(EventItemColumn()));
    if (code == WM_CLOSE || (code == EVENT_MENU && EventSourceId() == kMenuQuit)) return 0;
  }
}
