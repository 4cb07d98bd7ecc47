// The gadgets in a running program: registration and release (each class rule on a real control
// of that class, pictures without a control, records entered whole or not at all); shortcuts and
// Tab navigation with real keys (per-window tables, rebinding, entry reuse, a failed table, stops
// in id order, editors, a toolbar, combos, 150 stops, the focus given back after reactivation
// and after a message box); image loading (the demo's PNG flattened opaque on both branches, a
// DLL that links the toolkit, what a failed load prints and returns).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <ctime>
#include <map>
#include <new>
#include <string>
#include <tuple>
#include <vector>

#include <vantrel/toolkit.h>

#include "tests/support/image_pixels.h"
#include "tests/support/program_steps.h"
#include "tests/support/wine_host.h"
#include "toolkit/core/registries.h"
#include "toolkit/core/shortcut_table.h"
#include "toolkit/gadgets/shortcuts.h"
#include "toolkit/gadgets/tab_stop.h"

// The nothrow allocations (the registries' nodes) fail once the count reaches 0; -1: never.
int allocations_left = -1;
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (allocations_left == 0) return nullptr;
  if (allocations_left > 0) --allocations_left;
  try {
    return ::operator new(size);  // so that the ordinary delete releases it
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

namespace {

// The gadget's properties when its window received WM_DESTROY: the release must have removed
// them by then.
std::map<std::string, HANDLE> at_destroy;
std::vector<void*> explorer_freed;  // what each call of the explorer's release routine got

// An explorer's release routine, as the property that names it holds it.
const HANDLE kFreeRecord =
    reinterpret_cast<HANDLE>(+[](void* data) { explorer_freed.push_back(data); });

BOOL CALLBACK Keep(HWND, LPSTR name, HANDLE value, ULONG_PTR) {
  if (!IS_INTRESOURCE(name)) at_destroy[name] = value;
  return TRUE;
}

LRESULT CALLBACK WatchDestroy(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                              DWORD_PTR) {
  if (message == WM_DESTROY) EnumPropsExA(window, Keep, 0);
  return DefSubclassProc(window, message, wparam, lparam);
}

// A toolkit window's properties once MainWindowProc has had its WM_NCDESTROY.
LRESULT CALLBACK WatchRelease(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = CallWindowProcA(MainWindowProc, window, message, wparam, lparam);
  if (message == WM_NCDESTROY) EnumPropsExA(window, Keep, 0);
  return result;
}

class GadgetRelease : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitCommonControls();
    // 0x1000 asks for the tab-stop registry, so that its clean-up is checked too.
    window_ = WindowOpen("release", 0, 0, 400, 300, WS_OVERLAPPEDWINDOW | 0x1000, 0, nullptr);
    const WNDCLASSA explorer = {0, DefWindowProcA, 0, 0, nullptr, {}, {}, {}, {}, "ExplorerGadget"};
    RegisterClassA(&explorer);
  }
  void TearDown() override {  // nothing of any gadget may be left in a registry
    for (HandleList* registry : {GadgetRegistryGet(), ColourRegistryGet(), TabStopRegistryGet()})
      EXPECT_EQ(HandleListCount(registry), 0u);
  }
  // A control registered under id, with a colour entry and a tab stop for the release to remove.
  static HWND Gadget(const char* class_name, GadgetId id, HWND parent = window_) {
    HWND control = CreateWindowExA(0, class_name, "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 80, parent,
                                   reinterpret_cast<HMENU>(INT_PTR{id}), nullptr, nullptr);
    SetWindowSubclass(control, WatchDestroy, 1, 0);
    EXPECT_EQ(GadgetRegister(id, control) + ColourEntryAdd(control, 0xFFFFFF, 0), 2) << class_name;
    HandleListAppendKey(TabStopRegistryGet(), RegistryKeyOfId(id));
    HandleListAppendKey(TabStopRegistryGet(), RegistryKeyOfWindow(parent));
    return control;
  }
  static inline HWND window_ = nullptr;
};

TEST_F(GadgetRelease, AnIdInUseIsReplacedButNotByAFailedPicture_FreeingIsHarmless_ImagesStay) {
  HWND older = Gadget("Static", 3), newer = Gadget("Static", 3);
  EXPECT_EQ(GadgetRegister(3, newer), 1);  // registered again as it is: it stays, once
  EXPECT_EQ(std::tuple(IsWindow(older), GadgetWindowOf(3), IsWindow(newer)),
            std::tuple(FALSE, newer, TRUE));
  for (GadgetId id : {3, 3, 12345}) GadgetFree(id);
  EXPECT_FALSE(IsWindow(newer));
  HBITMAP image = CreateBitmap(26, 26, 1, 32, nullptr);  // the caller's: a picture leaves it
  CurrentWindowSet(window_);
  HWND zero = PictureGadgetCreate(0, 0, 0, 26, 26, image, 1, SS_BITMAP);  // 0 is an id too
  CurrentWindowSet(nullptr);  // no control can be made: nothing is registered, the older stays
  EXPECT_EQ(PictureGadgetCreate(0, 0, 0, 26, 26, image, 0, SS_BITMAP), nullptr);
  EXPECT_EQ(
      std::tuple(GadgetWindowOf(0), IsWindow(zero), HandleListCount(GadgetRegistryGet()),
                 GetWindowLongPtrA(zero, GWL_EXSTYLE) & WS_EX_CLIENTEDGE,
                 SendMessageA(zero, STM_GETIMAGE, IMAGE_BITMAP, 0)),
      std::tuple(zero, TRUE, 2u, LONG_PTR{WS_EX_CLIENTEDGE}, reinterpret_cast<LRESULT>(image)));
  GadgetFree(0);
  EXPECT_EQ(std::pair(IsWindow(zero), DeleteObject(image)), std::pair(FALSE, TRUE));
}

// Each row is a real control of a class with a rule, the properties put on it, and whether the
// release must leave each of them in place until the window is destroyed.
TEST_F(GadgetRelease, EachClassRuleReleasesWhatItsControlHolds) {
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 3, 0);  // emptied, not destroyed
  HIMAGELIST own = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);     // an image combo's: destroyed
  ImageList_SetImageCount(images, 3);
  int records[2] = {};
  const HANDLE three = reinterpret_cast<HANDLE>(3);
  // clang-format off
  struct Prop { const char* name; HANDLE value; bool kept = false; };
  const struct { const char* class_name; std::vector<Prop> props; } rows[] = {
      {WC_TREEVIEWA, {{"addparam60000", images}, {"stackindexes", IntStackNew()}}},
      {WC_COMBOBOXEXA, {{"addparam60000", own}}},
      {"ExplorerGadget", {{"EXPLORERLISTFREEPROC", kFreeRecord}, {"addparam60000", &records[0]},
                          {"EXPLORERGADGETLISTVIEWWINDOW", three}}},
      // Without its release routine an explorer keeps its list window's property.
      {"ExplorerGadget", {{"addparam60000", &records[1]}, {"EXPLORERGADGETLISTVIEWWINDOW", three, true}}}};
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(row.class_name);
    at_destroy.clear();
    HWND control = Gadget(row.class_name, 10);
    for (const Prop& prop : row.props) SetPropA(control, prop.name, prop.value);
    for (int twice = 0; twice < 2; ++twice) GadgetFree(10);
    EXPECT_FALSE(IsWindow(control));
    for (const Prop& prop : row.props)
      EXPECT_EQ(at_destroy[prop.name], prop.kept ? prop.value : nullptr) << prop.name;
  }
  EXPECT_EQ(ImageList_GetImageCount(images), 0);
  EXPECT_TRUE(ImageList_SetImageCount(images, 1) && !ImageList_SetImageCount(own, 1));
  ImageList_Destroy(images);
  EXPECT_EQ(explorer_freed, std::vector<void*>{&records[0]});
}

// A destroyed window takes along its gadgets' entries and companions, its shortcuts, stops,
// colour entries, the toolkit's properties and its class (with its background brush), also when
// a hook answers its last messages; a class the application registered itself stays.
TEST_F(GadgetRelease, ADestroyedWindowLeavesNothingBehind) {
  const WNDCLASSA own = {
      0, MainWindowProcAddress(), 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, "OwnClass"};
  RegisterClassA(&own);
  // The destroyed windows' entries come after this one, which must stay whole.
  HACCEL kept = ShortcutAdd(window_, FALT, 'Q', 9);
  const auto before = std::tuple(ShortcutTableSize(), ShortcutTableLast(), ShortcutMasterSize(),
                                 HandleListCount(ClassNameRegistryGet()));
  // A class whose window cannot be made is forgotten at once.
  EXPECT_EQ(WindowOpen("", 0, 0, 9, 9, 0, 0, reinterpret_cast<HWND>(1)), nullptr);
  const WindowProcHookFunction answer = [](HWND, UINT message, WPARAM, LPARAM) -> std::int64_t {
    return message == WM_DESTROY || message == WM_NCDESTROY;
  };
  for (const bool own_class : {false, true}) {  // with the hook answering in the second round
    SCOPED_TRACE(own_class);
    HWND window = own_class ? CreateWindowExA(0, "OwnClass", "", 0, 0, 0, 300, 200, nullptr,
                                              nullptr, nullptr, nullptr)
                            : WindowOpen("gone", 0, 0, 300, 200, WS_OVERLAPPEDWINDOW, 0, nullptr);
    CurrentWindowSet(window);
    const std::string name = WindowClassNameGet(window);
    TabStopEnrol(window, 22);  // a stop that is no gadget
    HACCEL table = ShortcutAdd(window, FCONTROL, 'S', 5);
    GadgetRegister(23, window);  // the window itself as a gadget
    SetPropA(window, "tabstopcurentgadget", Gadget("Edit", 20, window));
    int record = 0;
    HWND explorer = Gadget("ExplorerGadget", 21, window);
    SetPropA(explorer, "EXPLORERLISTFREEPROC", kFreeRecord);
    SetPropA(explorer, "addparam60000", &record);
    ColourEntryAdd(window, 1, 2);
    WindowBackgroundSet(window, 0x00FF00);
    auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND));
    ScrollPageStepSetHandle(window, 5);
    SetPropA(window, "MINMAXFLAG", reinterpret_cast<HANDLE>(1));  // the application's
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchRelease));
    if (own_class) MessageHookSet(answer, HOOK_WINDOW_PROC);
    at_destroy.clear();
    explorer_freed.clear();
    DestroyWindow(window);
    MessageHookClear(HOOK_WINDOW_PROC);
    EventPoll();  // the class goes at the next event call
    for (const char* prop : {"tabstopenable", "tabstopshortcut", "tabstopcurentgadget", "pagestep"})
      EXPECT_EQ(at_destroy.count(prop), 0u) << prop;
    EXPECT_EQ(at_destroy.count("MINMAXFLAG"), 1u);
    EXPECT_EQ(std::pair(CopyAcceleratorTableA(table, nullptr, 0),
                        CopyAcceleratorTableA(kept, nullptr, 0)),
              std::pair(0, 1));
    EXPECT_EQ(std::tuple(ShortcutTableSize(), ShortcutTableLast(), ShortcutMasterSize(),
                         HandleListCount(ClassNameRegistryGet())),
              before);
    EXPECT_EQ(explorer_freed, std::vector<void*>{&record});
    EXPECT_EQ(CurrentWindowGet(), nullptr);
    WNDCLASSA info = {};
    EXPECT_EQ(GetClassInfoA(GetModuleHandleA(nullptr), name.c_str(), &info) != 0, own_class);
    EXPECT_EQ(GetObjectType(brush) != 0, own_class);  // unregistering deletes it
  }
}

// A control has one id: registered under another it moves there. A gadget that goes takes the
// gadgets inside it, however deep; a window takes the pop-ups it owns, which go before it.
TEST_F(GadgetRelease, AControlHasOneId_ContainersTakeTheirGadgets_WindowsTheirOwnedPopUps) {
  HWND panel = Gadget("Static", 30), moved = Gadget("Edit", 31, panel);
  EXPECT_EQ(GadgetRegister(32, moved), 1);
  EXPECT_EQ(std::pair(GadgetWindowOf(31), GadgetIdOf(moved)), std::pair(HWND(nullptr), 32));
  int record = 0;
  HWND explorer = Gadget("ExplorerGadget", 34, Gadget("Static", 33, panel));
  SetPropA(explorer, "EXPLORERLISTFREEPROC", kFreeRecord);
  SetPropA(explorer, "addparam60000", &record);
  explorer_freed.clear();
  GadgetFree(30);
  EXPECT_EQ(explorer_freed, std::vector<void*>{&record});
  HWND owner = WindowOpen("owner", 0, 0, 300, 200, WS_OVERLAPPEDWINDOW, 0, nullptr);
  GadgetRegister(35, CreateWindowExA(0, TOOLTIPS_CLASSA, "", WS_POPUP, 0, 0, 0, 0, owner, nullptr,
                                     nullptr, nullptr));
  DestroyWindow(owner);
  EXPECT_EQ(GadgetWindowOf(35), nullptr);  // and the registries are empty (TearDown)
}

TEST_F(GadgetRelease, ARecordIsEnteredWholeOrNotAtAll) {
  for (int fail_at : {0, 1, 2}) {
    SCOPED_TRACE(fail_at);
    allocations_left = fail_at;
    EXPECT_EQ(ColourEntryAdd(reinterpret_cast<HWND>(0x5100), 0x5200, 2), 0);
    allocations_left = fail_at % 2;
    EXPECT_EQ(GadgetRegister(9, reinterpret_cast<HWND>(0x5200)), 0);
    allocations_left = fail_at % 2;
    TabStopEnrol(window_, 9);
    allocations_left = -1;
  }
}

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
    // The first window of the program turns tab stops on; the picture does not enrol (a stop 7
    // would come after 3).
    window_ = Open(20);
    PictureGadgetCreate(7, 0, 0, 16, 16, nullptr, 0, SS_ICON);
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
  // No window, or a destroyed one: no table, no entry.
  HWND gone = CreateWindowA("Static", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  const std::int32_t entries = ShortcutMasterSize();
  for (HWND window : {HWND(nullptr), gone}) {
    DestroyWindow(gone);
    EXPECT_EQ(std::pair(ShortcutAdd(window, FCONTROL, 'S', 6), ShortcutMasterSize()),
              std::pair(HACCEL(nullptr), entries));
  }
  // Each row added to `below` in turn: its table's records as fVirt, key and command (fVirt 9:
  // FVIRTKEY | FCONTROL, 13: with FSHIFT).
  // clang-format off
  const struct { std::int32_t modifiers, key, command; const char* records; } rows[] = {
      {FCONTROL, 'S', 5, "9S5 "}, {FCONTROL | FSHIFT, 'S', 5, "13S5 "}, {FCONTROL, 'S', 6, "13S5 9S6 "},
      {FCONTROL, 0x10000 | 'K', 0x10006, "13S5 9S6 9K6 "}};
  // clang-format on
  for (const auto& row : rows) {
    ACCEL r[8];
    const int n =
        CopyAcceleratorTableA(ShortcutAdd(below, row.modifiers, row.key, row.command), r, 8);
    std::string records;
    for (int k = 0; k < n; ++k)
      records += std::to_string(r[k].fVirt) + char(r[k].key) + std::to_string(r[k].cmd) + " ";
    EXPECT_EQ(records, row.records);
  }
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
      {At(1), "ctrl+Tab", TABSTOP_FORCE_NEXT, At(2)}, {At(7), "Tab", TABSTOP_NEXT, At(1)},  // a gadget, no stop
      // Rows 6 to 8: from the window itself.
      {window_, "Tab", TABSTOP_NEXT, At(1)}, {window_, "shift+Tab", TABSTOP_PREVIOUS, At(1)}, {window_, "ctrl+Tab", TABSTOP_FORCE_NEXT, At(1)}};
  // clang-format on
  for (const Row& row : rows) Expect(row);
  ShowWindow(At(2), SW_HIDE);
  Expect({At(1), "Tab", TABSTOP_NEXT, At(3)});
  EnableWindow(At(3), FALSE);
  Expect({At(1), "Tab", TABSTOP_NEXT, At(1)});
  ShowWindow(At(1), SW_HIDE);  // no stop left: the rows from the window keep the focus there
  for (int k : {6, 7, 8}) Expect({window_, rows[k].keys, rows[k].command, window_});
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

// A message box shows empty texts as a space, gives the button that closed it and the focus back.
TEST_F(Keyboard, AMessageBoxGivesItsButtonAndTheFocusBack_AsReactivationDoes) {
  // clang-format off
  const struct { const char* title; const char* text; std::int64_t flags; HWND owner, focus; const char* shown; WPARAM button; } rows[] = {
      {"", "", 0, window_, At(1), " | ", IDOK}, {"T", "x", MB_OKCANCEL, nullptr, At(2), "T|x", IDCANCEL},
      {nullptr, nullptr, 0x100000000 | MB_YESNO, window_, nullptr, " | ", IDNO}};  // low 32 bits
  // clang-format on
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, BoxAnswer);
  for (const auto& row : rows) {
    SetForegroundWindow(window_);
    SetFocus(row.focus);
    box_answer = row.button;
    EXPECT_EQ(MessageShow(row.title, row.text, row.flags, row.owner), std::int64_t(row.button));
    EXPECT_EQ(std::pair(box_seen, GetFocus()), std::pair(std::string(row.shown), row.focus));
  }
  KillTimer(nullptr, timer);
  // The gadget last reached by Tab gets the focus back when its window is activated again.
  HWND other = Open(400);
  ASSERT_EQ(Press(At(1), "Tab"), TABSTOP_NEXT);
  for (HWND window : {other, window_}) {
    // A real click on the caption activates the window.
    ASSERT_TRUE(HostClick(40, -GetSystemMetrics(SM_CYCAPTION) / 2, window));
    PollUntil([window](std::int32_t) { return GetForegroundWindow() == window; });
  }
  EXPECT_EQ(GetFocus(), At(2));
}

const std::string kPng = "Z:" VANTREL_APP_DIR "/1.png";
const std::string kUnixTemp = "/tmp/vantrel-image-load-" + std::to_string(GetCurrentProcessId());

// Each pixel as 0xAARRGGBB through a top-down 32-bit DIB; empty when that fails.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  BITMAPINFO header = {};
  header.bmiHeader = {
      sizeof header.bmiHeader, info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(),
                             &header, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return rows == info.bmHeight ? pixels : std::vector<std::uint32_t>{};
}

// GDI+ flattens by itself from Vista (major version 6) on; before, the loader composites. Either
// way every pixel is the file's blended over the colour's low 24 bits (the low byte blue), and
// opaque: a static would blend a pixel with alpha below 0xFF a second time. (The dialog face
// 0xF0F0F0 is checked on screen by the demo's test.)
TEST(ImageLoad, BothBranchesGiveTheBlendOverTheLow24BitsAndFullAlpha) {
  UINT width = 0;
  const std::vector<std::uint32_t> file = FilePixels(kPng, &width);
  const std::int64_t background = 0x12345678000000FFll;
  for (int major : {6, 5}) {
    SCOPED_TRACE(testing::Message() << "major version " << major);
    ImageLoaderMajorVersionOverride(major);
    HBITMAP bitmap = ImageLoadFile(kPng.c_str(), background);
    EXPECT_EQ(ImageLoaderLastLoadComposited(), major == 5);
    const std::vector<std::uint32_t> shown = Pixels(bitmap);
    ASSERT_EQ(shown.size(), file.size());
    for (std::size_t i = 0; i < file.size(); ++i) {
      EXPECT_EQ(shown[i] >> 24, 0xFFu) << i;
      EXPECT_TRUE(ShownOver(shown[i], file[i], 0xFF)) << i << std::hex << " " << shown[i];
    }
    DeleteObject(bitmap);
  }
  ImageLoaderMajorVersionOverride(0);
}

// Linked into a DLL, the toolkit does not start GDI+ while the DLL loads (under the loader lock)
// but with its first image, and the DLL unloads again.
TEST(ImageLoad, ADllBuiltAgainstTheToolkitLoadsAnImageAndUnloads) {
  HMODULE dll = LoadLibraryA("gadgets_image_dll.dll");
  ASSERT_NE(dll, nullptr);
  // Through void (*)(), which any function pointer type converts from without a warning.
  auto started = reinterpret_cast<bool (*)()>(
      reinterpret_cast<void (*)()>(GetProcAddress(dll, "ImageDllGdiplusStarted")));
  auto load = reinterpret_cast<HBITMAP (*)(const char*)>(
      reinterpret_cast<void (*)()>(GetProcAddress(dll, "ImageDllLoad")));
  auto open = reinterpret_cast<HWND (*)()>(
      reinterpret_cast<void (*)()>(GetProcAddress(dll, "DllWindowOpen")));
  ASSERT_TRUE(started != nullptr && load != nullptr && open != nullptr);
  // The program's classes hold the names the DLL's first window would get in this second and
  // the next: its copy of the toolkit passes them over and leaves them registered.
  std::vector<std::string> names;
  for (std::time_t now = std::time(nullptr), t = now; t <= now + 1; ++t) {
    std::tm local = {};
    localtime_s(&local, &t);
    char name[64];
    std::snprintf(name, sizeof name, "CLASSCLASS_%02d:%02d:%02d1", local.tm_hour, local.tm_min,
                  local.tm_sec);
    const WNDCLASSA taken = {0,
                             DefWindowProcA,
                             0,
                             0,
                             GetModuleHandleA(nullptr),
                             {},
                             {},
                             {},
                             {},
                             names.emplace_back(name).c_str()};
    RegisterClassA(&taken);
  }
  HWND window = open();
  EXPECT_NE(window, nullptr);
  DestroyWindow(window);
  for (const std::string& name : names) {
    WNDCLASSA info;
    EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), name.c_str(), &info)) << name;
    UnregisterClassA(name.c_str(), GetModuleHandleA(nullptr));
  }
  EXPECT_FALSE(started());
  HBITMAP bitmap = load(kPng.c_str());
  EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_TRUE(started());
  EXPECT_TRUE(DeleteObject(bitmap));
  EXPECT_TRUE(FreeLibrary(dll));
}

// An image that cannot be loaded prints "FAIL" once and keeps why; an icon that cannot be loaded
// prints nothing. A metafile whose frame asks for 75,590 pixels a side is refused unmade.
TEST(ImageLoad, FailedImagesPrintFailGiveNullAndSayWhy_IconsFailSilently_FilesAreLetGo) {
  const std::string ico = "Z:" VANTREL_APP_DIR "/1.ico", text = "Z:" VANTREL_APP_DIR "/main.cpp";
  const std::string big = "Z:" + kUnixTemp + "-big.emf", empty = "Z:" + kUnixTemp + "-empty.emf";
  const RECT metres = {0, 0, 2000000, 2000000};  // in hundredths of a millimetre
  for (const RECT* frame : {&metres, static_cast<const RECT*>(nullptr)}) {
    HDC dc = CreateEnhMetaFileA(nullptr, (frame ? big : empty).c_str(), frame, nullptr);
    if (frame) Rectangle(dc, 0, 0, 10, 10);
    DeleteEnhMetaFile(CloseEnhMetaFile(dc));
  }
  // A bitmap one pixel wider than the limit, one row high.
  const std::string wide = "Z:" + kUnixTemp + "-wide.bmp";
  const LONG side = IMAGE_LOAD_SIDE_MAX + 1;
  const DWORD line = (side * 3 + 3) & ~3u, at = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  const BITMAPFILEHEADER head = {0x4D42, at + line, 0, 0, at};  // "BM"
  const BITMAPINFOHEADER info = {sizeof info, side, 1, 1, 24, BI_RGB, line, 0, 0, 0, 0};
  std::string bytes(reinterpret_cast<const char*>(&head), sizeof head);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info).append(line, '\x7F');
  std::FILE* file = std::fopen(wide.c_str(), "wb");
  ASSERT_TRUE(file && std::fwrite(bytes.data(), bytes.size(), 1, file) && !std::fclose(file));
  const std::int32_t ok = IMAGE_LOAD_OK, missing = IMAGE_LOAD_MISSING, large = IMAGE_LOAD_TOO_LARGE;
  // clang-format off
  const struct { const char* name; bool icon; const char* printed; bool loaded; std::int32_t why; } rows[] = {
      {"Z:/no/such.png", false, "FAIL\n", false, missing}, {"", false, "FAIL\n", false, missing},
      {nullptr, false, "FAIL\n", false, missing}, {text.c_str(), false, "FAIL\n", false, IMAGE_LOAD_NOT_AN_IMAGE},
      {big.c_str(), false, "FAIL\n", false, large}, {empty.c_str(), false, "FAIL\n", false, large},
      {wide.c_str(), false, "FAIL\n", false, large}, {kPng.c_str(), false, "", true, ok},
      {ico.c_str(), true, "", true, ok}, {"Z:/no/such.ico", true, "", false, ok},
      {kPng.c_str(), true, "", false, ok}, {nullptr, true, "", false, ok}};
  // clang-format on
  for (const auto& row : rows) {
    testing::internal::CaptureStdout();
    HANDLE image = row.icon ? static_cast<HANDLE>(IconLoadFile(row.name))
                            : static_cast<HANDLE>(ImageLoadFile(row.name, 0));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), row.printed) << row.name;
    EXPECT_EQ(std::pair(image != nullptr, ImageLoadErrorGet()), std::pair(row.loaded, row.why))
        << row.name;
  }
  HostRun("rm -f " + kUnixTemp + "-*");
  // The decoded image is released at once: GDI+ keeps the file of an image it holds open.
  const std::string copy = "Z:" + kUnixTemp;
  CopyFileA(kPng.c_str(), copy.c_str(), FALSE);
  DeleteObject(ImageLoadFile(copy.c_str(), 0));
  EXPECT_TRUE(DeleteFileA(copy.c_str()));
}

}  // namespace
