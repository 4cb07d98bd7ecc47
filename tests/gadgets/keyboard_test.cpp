// Shortcuts and Tab navigation with real keys: per-window tables, rebinding, entry reuse, a
// failed table, stops in id order, editors, a toolbar, combos, 150 stops, the focus given back
// after reactivation and after a message box.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include <vantrel/toolkit.h>

#include "tests/support/wine_host.h"
#include "toolkit/gadgets/shortcuts.h"
#include "toolkit/gadgets/tab_stop.h"

namespace {

HWND Open(int x) {
  return WindowOpen("keys", x, 50, 300, 230,
                    WS_VISIBLE | WS_OVERLAPPEDWINDOW | WINDOW_STYLE_TABSTOP_REQUEST, 0, nullptr);
}

// Made as gadget creators make them: registered, then enrolled from the current window.
HWND Gadget(GadgetId id, const char* class_name = "Edit", DWORD style = 0, int x = 0, int y = 0) {
  HWND gadget =
      CreateWindowExA(0, class_name, "", WS_CHILD | WS_VISIBLE | style, x, y, 16, 16,
                      CurrentWindowGet(), reinterpret_cast<HMENU>(INT_PTR{id}), nullptr, nullptr);
  GadgetRegister(id, gadget);
  TabStopEnrolGadget(id);
  return gadget;
}

// Real keys pressed with `focus` focused in its foreground window: the id of the EVENT_MENU
// they give, or minus the code of a Tab that came as a plain key.
std::int64_t Press(HWND focus, const std::string& keys) {
  SetForegroundWindow(GetAncestor(focus, GA_ROOT));
  SetFocus(focus);
  PumpFor(50);  // the first key after a window appears can be lost otherwise
  PollDrain();
  EXPECT_TRUE(HostKeys(keys));
  const auto codes = PollUntil([](std::int32_t code) {
    return code == EVENT_MENU || (code == WM_KEYDOWN && EventDetail() == VK_TAB);
  });
  return codes.empty() ? 0 : codes.back() == EVENT_MENU ? EventSourceId() : -codes.back();
}

// Focus on `from`, press `keys`: EVENT_MENU `command` comes, and the focus is on `to`.
// clang-format off
struct Row { HWND from; const char* keys; unsigned command; HWND to; };
// clang-format on

void Expect(const Row& row) {
  EXPECT_EQ(Press(row.from, row.keys), row.command) << row.keys << " from " << GadgetIdOf(row.from);
  EXPECT_EQ(GetFocus(), row.to) << row.keys << " from " << GadgetIdOf(row.from);
}

// Stands in for an editor that keeps Tab: records the key messages sent to it as "d9 u9 " for
// Tab down and up (real presses carry a repeat count in lParam; the navigation's own have none).
std::string editor_keys;
LRESULT CALLBACK EditorProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if ((message == WM_KEYDOWN || message == WM_KEYUP) && lparam == 0)
    editor_keys += (message == WM_KEYDOWN ? "d" : "u") + std::to_string(wparam) + " ";
  return DefWindowProcA(window, message, wparam, lparam);
}

class Keyboard : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The first window of the program turns tab stops on; the picture does not enrol.
    window_ = Open(20);
    PictureGadgetCreate(7, 0, 0, 16, 16, nullptr, 0, SS_ICON);
    EXPECT_EQ(GetPropA(window_, "tabstopshortcut"), nullptr);
    for (GadgetId id : {3, 1, 0}) Gadget(id, "Edit", 0, 10 + 30 * id, 10);
    CurrentWindowSet(CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 10, 40, 100, 40,
                                     window_, nullptr, nullptr, nullptr));
    Gadget(2);  // enrolled in the top-level window above its container
  }
  static HWND At(GadgetId id) { return id < 0 ? window_ : GadgetWindowOf(id); }
  static inline HWND window_ = nullptr;
};

// A command already bound is rebound, the same key is another record, commands keep 16 bits;
// RemoveAll then Add reuses only a free last entry; a failed table keeps the old shortcuts.
TEST_F(Keyboard, ShortcutRecordsAndTheirEntries) {
  HWND below = Open(340), last = Open(660);
  EXPECT_EQ(ShortcutAdd(nullptr, FCONTROL, 'S', 6), nullptr);
  using Fields = std::tuple<int, int, int>;  // fVirt, key, cmd
  const auto records = [](HACCEL table) {
    ACCEL r[8];
    std::vector<Fields> fields;
    for (int k = 0, n = CopyAcceleratorTableA(table, r, 8); k < n; ++k)
      fields.emplace_back(r[k].fVirt, r[k].key, r[k].cmd);
    return fields;
  };
  const int control = FVIRTKEY | FCONTROL;
  const Fields rebound{control | FSHIFT, 'S', 5}, same_key{control, 'S', 6}, cut{control, 'K', 6};
  ShortcutAdd(below, FCONTROL, 'S', 5);
  EXPECT_EQ(records(ShortcutAdd(below, FCONTROL | FSHIFT, 'S', 5)), std::vector{rebound});
  EXPECT_EQ(records(ShortcutAdd(below, FCONTROL, 'S', 6)), (std::vector{rebound, same_key}));
  EXPECT_EQ(records(ShortcutAdd(below, FCONTROL, 0x10000 | 'K', 0x10006)),
            (std::vector{rebound, same_key, cut}));
  ShortcutAdd(last, FCONTROL, 'S', 5);
  const std::int32_t master = ShortcutMasterSize(), pump = ShortcutTableSize();
  const ShortcutEntry& pumped = ShortcutTableEntries()[ShortcutTableLast()];
  ShortcutRemoveAll(last);
  const HACCEL table = ShortcutAdd(last, FCONTROL, 'Q', 8);
  EXPECT_EQ(std::tuple(ShortcutMasterSize(), ShortcutTableSize(), pumped.table, pumped.window),
            std::tuple(master, pump, table, last));
  // User objects are capped (Wine: about 32,700 handles in all; Windows: 10,000 per process):
  // with all of them taken, the next accelerator table cannot be made.
  std::vector<HACCEL> filler;
  ACCEL one = {FVIRTKEY, VK_F12, 1};
  for (HACCEL made; filler.size() < 100000 && (made = CreateAcceleratorTableA(&one, 1));)
    filler.push_back(made);
  const HACCEL failed = ShortcutAdd(last, FCONTROL, 'T', 6);
  for (HACCEL made : filler) DestroyAcceleratorTable(made);
  EXPECT_EQ(failed, nullptr);
  EXPECT_EQ(Press(last, "ctrl+q"), 8);
  ShortcutRemoveAll(below);
  ShortcutAdd(below, FCONTROL, 'S', 5);
  EXPECT_EQ(ShortcutMasterSize(), master + 1);  // a free entry below the last stays free
}

// Hidden and disabled stops are skipped; without stops the keys are still events.
TEST_F(Keyboard, TabStepsInIdOrderFromAStopOrGoesFirstFromTheWindow_SkippingHiddenAndDisabled) {
  // clang-format off
  const Row rows[] = {
      {At(1), "Tab", TABSTOP_NEXT, At(2)}, {At(2), "Tab", TABSTOP_NEXT, At(3)},
      {At(3), "Tab", TABSTOP_NEXT, At(1)}, {At(1), "shift+Tab", TABSTOP_PREVIOUS, At(3)},
      {At(1), "ctrl+Tab", TABSTOP_FORCE_NEXT, At(2)}, {window_, "Tab", TABSTOP_NEXT, At(1)},
      {window_, "shift+Tab", TABSTOP_PREVIOUS, At(1)},
      {window_, "ctrl+Tab", TABSTOP_FORCE_NEXT, At(1)}, {At(7), "Tab", TABSTOP_NEXT, At(1)}};  // a gadget, no stop
  // clang-format on
  for (const Row& row : rows) Expect(row);
  ShowWindow(At(2), SW_HIDE);
  Expect({At(1), "Tab", TABSTOP_NEXT, At(3)});
  EnableWindow(At(3), FALSE);
  Expect({At(1), "Tab", TABSTOP_NEXT, At(1)});
  ShowWindow(At(1), SW_HIDE);
  for (const Row& row : {Row{window_, "Tab", TABSTOP_NEXT, window_},
                         {window_, "shift+Tab", TABSTOP_PREVIOUS, window_},
                         {window_, "ctrl+Tab", TABSTOP_FORCE_NEXT, window_}})
    Expect(row);
  for (GadgetId id : {1, 2}) ShowWindow(At(id), SW_SHOW);
  EnableWindow(At(3), TRUE);
}

// Tab in the edit of a drop-down combo or an image combo steps from that gadget; a stop enrolled
// again (an image combo enrols itself) is still one stop.
TEST_F(Keyboard, EditorsKeepTab_AFirstChildToolbarIsAStopByItsHandle_CombosHoldTheirEdits) {
  ASSERT_NE(LoadLibraryA("riched20.dll"), nullptr);
  const WNDCLASSA editor = {0, EditorProc, 0, 0, nullptr, {}, {}, {}, {}, "Scintilla"};
  ASSERT_NE(RegisterClassA(&editor), 0);
  Open(340);
  HWND toolbar = CreateWindowExA(0, "ToolbarWindow32", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                 CurrentWindowGet(), nullptr, nullptr, nullptr);
  HWND rich = Gadget(11, "RichEdit20A", ES_MULTILINE, 10, 40);
  HWND fixed = Gadget(12, "RichEdit20A", ES_MULTILINE | ES_READONLY, 40, 40);  // read-only
  HWND edit = Gadget(13, "Edit", 0, 70, 40);
  HWND sci = Gadget(14, "Scintilla", 0, 100, 40);
  HWND alias = Gadget(LOWORD(toolbar), "Edit", 0, 130, 40);  // the id that Wine takes for it
  HWND combo =
      FindWindowExA(Gadget(9, "ComboBox", CBS_DROPDOWN, 160, 40), nullptr, "Edit", nullptr);
  HWND image = ImageComboCreate(10, 190, 40, 60, 100, 16, CBS_DROPDOWN);
  TabStopEnrol(GetParent(image), 10);
  HWND image_edit = reinterpret_cast<HWND>(SendMessageA(image, CBEM_GETEDITCONTROL, 0, 0));
  // clang-format off
  const Row rows[] = {
      {rich, "Tab", TABSTOP_NEXT, rich}, {rich, "shift+Tab", TABSTOP_PREVIOUS, rich},
      {rich, "ctrl+Tab", TABSTOP_FORCE_NEXT, fixed}, {fixed, "Tab", TABSTOP_NEXT, edit},
      {sci, "Tab", TABSTOP_NEXT, sci}, {sci, "shift+Tab", TABSTOP_PREVIOUS, sci},
      {edit, "shift+Tab", TABSTOP_PREVIOUS, fixed}, {sci, "ctrl+Tab", TABSTOP_FORCE_NEXT, alias},
      {alias, "Tab", TABSTOP_NEXT, toolbar}, {toolbar, "Tab", TABSTOP_NEXT, combo},
      {combo, "Tab", TABSTOP_NEXT, image_edit}, {image_edit, "Tab", TABSTOP_NEXT, rich}};
  // clang-format on
  for (const Row& row : rows) Expect(row);
  char text[8] = {};
  GetWindowTextA(rich, text, sizeof text);
  EXPECT_STREQ(text, "\t\t");
  EXPECT_EQ(editor_keys, "d9 u9 d16 d9 u9 u16 ");  // VK_TAB 9, VK_SHIFT 16
  DestroyWindow(toolbar);  // its handle's low word must not pass for a gadget id later on
}

TEST_F(Keyboard, AHundredAndFiftyStopsAreAllVisited_RemoveAllEndsNavigationForGood) {
  HWND window = Open(660);
  for (GadgetId id = 1150; id > 1000; --id) Gadget(id, "Edit", 0, id % 15 * 18, id / 15 % 10 * 18);
  std::string keys = "--delay 5";
  for (int i = 0; i < 150; ++i) keys += " Tab";
  std::vector<GadgetId> visited, expected;
  for (GadgetId id = 1002; id <= 1151; ++id) expected.push_back(id == 1151 ? 1001 : id);
  Expect({GadgetWindowOf(1150), "Tab", TABSTOP_NEXT, GadgetWindowOf(1001)});
  ASSERT_TRUE(HostKeys(keys));
  const auto record = [&visited](std::int32_t code) {
    if (code == EVENT_MENU) visited.push_back(GadgetIdOf(GetFocus()));
    return visited.size() == 150;
  };
  PollUntil(record, 30000);
  EXPECT_EQ(visited, expected);

  ShortcutRemoveAll(window);
  TabStopEnrol(window, 1151);  // does not bring the Tab keys back
  EXPECT_EQ(Press(window, "Tab"), -WM_KEYDOWN);
  EXPECT_EQ(GetFocus(), window);
}

// Closes the message box once it is shown, noting "caption|text".
std::string box_texts;
WPARAM box_button = IDOK;
void CALLBACK BoxClose(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowA("#32770", nullptr);
  if (box == nullptr || !KillTimer(nullptr, timer)) return;
  char texts[2][8] = {};
  GetWindowTextA(box, texts[0], sizeof texts[0]);
  GetWindowTextA(GetDlgItem(box, 0xFFFF), texts[1], sizeof texts[1]);
  box_texts = std::string(texts[0]) + "|" + texts[1];
  PostMessageA(box, WM_COMMAND, box_button, 0);
}

TEST_F(Keyboard, AMessageBoxShowsEmptyTextsAsASpace_GivesItsButton_AndTheFocusBack) {
  // clang-format off
  const struct { const char* title; const char* text; std::int64_t flags; HWND owner, focus; const char* shown; WPARAM button; } rows[] = {
      {"", "", 0, window_, At(1), " | ", IDOK}, {"T", "x", MB_OKCANCEL, nullptr, At(2), "T|x", IDCANCEL},
      {nullptr, nullptr, 0x100000000 | MB_YESNO, window_, nullptr, " | ", IDNO}};  // low 32 bits
  // clang-format on
  for (const auto& row : rows) {
    SetForegroundWindow(window_);
    SetFocus(row.focus);
    box_button = row.button;
    SetTimer(nullptr, 0, 20, BoxClose);
    EXPECT_EQ(MessageShow(row.title, row.text, row.flags, row.owner), std::int64_t(row.button));
    EXPECT_EQ(std::pair(box_texts, GetFocus()), std::pair(std::string(row.shown), row.focus));
  }
}

TEST_F(Keyboard, TheGadgetLastReachedByTabGetsTheFocusBackOnReactivation) {
  HWND other = Open(400);
  ASSERT_EQ(Press(At(1), "Tab"), TABSTOP_NEXT);
  for (HWND window : {other, window_}) {
    POINT client = {0, 0};
    ClientToScreen(window, &client);  // a real click on the caption activates the window
    ASSERT_TRUE(HostClick(client.x + 40, client.y - GetSystemMetrics(SM_CYCAPTION) / 2));
    PollUntil([window](std::int32_t) { return GetForegroundWindow() == window; });
  }
  EXPECT_EQ(GetFocus(), At(2));
}

}  // namespace
