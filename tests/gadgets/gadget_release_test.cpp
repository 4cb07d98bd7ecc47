// Gadget registration and release: each class rule on a real control of that class, pictures
// without a control, and records entered whole or not at all.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <new>
#include <string>
#include <tuple>
#include <vector>

#include <vantrel/toolkit.h>

#include "toolkit/core/registries.h"
#include "toolkit/core/shortcut_table.h"
#include "toolkit/gadgets/shortcuts.h"

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
    WNDCLASSA test_class = {};
    test_class.lpfnWndProc = DefWindowProcA;
    test_class.lpszClassName = "ExplorerGadget";
    RegisterClassA(&test_class);
  }
  void TearDown() override {  // nothing of any gadget may be left in a registry
    for (HandleList* registry : {GadgetRegistryGet(), ColourRegistryGet(), TabStopRegistryGet()})
      EXPECT_EQ(HandleListCount(registry), 0u);
  }
  // A control registered under id, with a colour entry and a tab stop for the release to remove.
  static HWND Gadget(const char* class_name, GadgetId id, HWND parent = window_) {
    HWND control =
        CreateWindowExA(0, class_name, "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 80, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
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
  const HANDLE three = reinterpret_cast<HANDLE>(3),
               free_proc =
                   reinterpret_cast<HANDLE>(+[](void*data) { explorer_freed.push_back(data); });
  // clang-format off
  struct Prop { const char* name; HANDLE value; bool kept = false; };
  const struct { const char* class_name; std::vector<Prop> props; } rows[] = {
      {WC_TREEVIEWA, {{"addparam60000", images}, {"stackindexes", IntStackNew()}}},
      {WC_COMBOBOXEXA, {{"addparam60000", own}}},
      {"ExplorerGadget", {{"EXPLORERLISTFREEPROC", free_proc}, {"addparam60000", &records[0]},
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
  const HANDLE free_proc =
      reinterpret_cast<HANDLE>(+[](void* data) { explorer_freed.push_back(data); });
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
    SetPropA(explorer, "EXPLORERLISTFREEPROC", free_proc);
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

}  // namespace
