// Gadget registration and release, each class rule on a real control of that class.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "toolkit/core/registries.h"
#include "toolkit/core/toolkit.h"

namespace {

// What a gadget's properties held when its window received WM_DESTROY: the release must have
// removed them by then.
std::map<std::string, HANDLE> props_at_destroy;
const char* const kWatched[] = {"STATUSBARARRAY",
                                "STATUSBARNUMBERFIELDS",
                                "STATUSBARWINDOW",
                                "EXPLORERLISTFREEPROC",
                                "EXPLORERGADGETLISTVIEWWINDOW",
                                "stackindexes",
                                "HANDLEPAN",
                                "POSITIONPAN",
                                "STYLEPAN",
                                "SPLITTERMOVE",
                                "GADGET1",
                                "GADGET2",
                                "addparam60000"};

LRESULT CALLBACK WatchDestroy(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                              DWORD_PTR) {
  if (message == WM_DESTROY) {
    props_at_destroy.clear();
    for (const char* name : kWatched) props_at_destroy[name] = GetPropA(window, name);
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

HANDLE AsHandle(std::uintptr_t value) {
  return reinterpret_cast<HANDLE>(value);
}

class GadgetRelease : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    window_ = WindowOpen("release", 0, 0, 400, 300, WS_OVERLAPPEDWINDOW | 0x1000, 0, nullptr);
    WNDCLASSEXA splitter = {};
    splitter.cbSize = sizeof splitter;
    splitter.lpfnWndProc = DefWindowProcA;
    splitter.hInstance = GetModuleHandleA(nullptr);
    splitter.lpszClassName = "SplitterGadget";
    RegisterClassExA(&splitter);
    splitter.lpszClassName = "ExplorerGadget";
    RegisterClassExA(&splitter);
  }
  void SetUp() override {
    ASSERT_NE(window_, nullptr) << "no display?";
    CurrentWindowSet(window_);
    props_at_destroy.clear();
  }
  void TearDown() override {
    // Nothing of any gadget may be left in a registry.
    EXPECT_EQ(HandleListCount(GadgetRegistryGet()), 0u);
    EXPECT_EQ(HandleListCount(ColourRegistryGet()), 0u);
    EXPECT_EQ(HandleListCount(TabStopRegistryGet()), 0u);
  }
  static HWND Control(const char* class_name, GadgetId id, DWORD style = 0) {
    HWND control =
        CreateWindowExA(0, class_name, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 80, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    EXPECT_NE(control, nullptr) << class_name;
    SetWindowSubclass(control, WatchDestroy, 1, 0);
    return control;
  }
  static HIMAGELIST ImagesOf(int count) {
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, count, 0);
    HBITMAP bitmap = CreateBitmap(16, 16, 1, 32, nullptr);
    for (int i = 0; i < count; ++i) ImageList_Add(images, bitmap, nullptr);
    DeleteObject(bitmap);
    return images;
  }
  static HWND window_;
};
HWND GadgetRelease::window_ = nullptr;

TEST_F(GadgetRelease, AStaticIsDestroyedAndUnregisteredWithItsEntries) {
  HWND control = Control("Static", 1);
  ASSERT_EQ(GadgetRegister(1, control), 1);
  ColourEntryAdd(control, 0xFFFFFF, 0);
  HandleListAppendKey(TabStopRegistryGet(), 1);
  HandleListAppendKey(TabStopRegistryGet(), RegistryKeyOfWindow(window_));
  EXPECT_EQ(GadgetWindowOf(1), control);
  GadgetFree(1);
  EXPECT_FALSE(IsWindow(control));
  EXPECT_EQ(GadgetWindowOf(1), nullptr);
  EXPECT_EQ(GadgetIdOf(control), 0);
}

TEST_F(GadgetRelease, FreeingTwiceOrAnUnknownIdDoesNothing) {
  HWND other = Control("Static", 2);
  GadgetRegister(2, other);
  HWND control = Control("Static", 1);
  GadgetRegister(1, control);
  GadgetFree(1);
  GadgetFree(1);
  GadgetFree(12345);
  EXPECT_TRUE(IsWindow(other));
  EXPECT_EQ(GadgetWindowOf(2), other);
  GadgetFree(2);
}

TEST_F(GadgetRelease, RegisteringAnIdInUseReplacesTheOlderGadget) {
  HWND older = Control("Static", 3);
  GadgetRegister(3, older);
  HWND newer = Control("Static", 3);
  GadgetRegister(3, newer);
  EXPECT_FALSE(IsWindow(older));
  EXPECT_EQ(GadgetWindowOf(3), newer);
  EXPECT_EQ(HandleListCount(GadgetRegistryGet()), 2u);
  GadgetFree(3);
}

TEST_F(GadgetRelease, StatusBarPropertiesAreReleased) {
  HWND control = Control("Static", 4);
  GadgetRegister(4, control);
  void* fields = std::malloc(64);
  SetPropA(control, "STATUSBARARRAY", fields);
  SetPropA(control, "STATUSBARNUMBERFIELDS", AsHandle(3));
  SetPropA(control, "STATUSBARWINDOW", AsHandle(0x1234));
  GadgetFree(4);
  EXPECT_EQ(props_at_destroy["STATUSBARARRAY"], nullptr);
  EXPECT_EQ(props_at_destroy["STATUSBARNUMBERFIELDS"], nullptr);
  EXPECT_EQ(props_at_destroy["STATUSBARWINDOW"], nullptr);
}

TEST_F(GadgetRelease, TheFieldCountStaysWithoutAFieldArray) {
  HWND control = Control("Static", 4);
  GadgetRegister(4, control);
  SetPropA(control, "STATUSBARNUMBERFIELDS", AsHandle(3));
  SetPropA(control, "STATUSBARWINDOW", AsHandle(0x1234));
  GadgetFree(4);
  EXPECT_EQ(props_at_destroy["STATUSBARNUMBERFIELDS"], AsHandle(3));
  EXPECT_EQ(props_at_destroy["STATUSBARWINDOW"], nullptr);
  RemovePropA(control, "STATUSBARNUMBERFIELDS");
}

TEST_F(GadgetRelease, AListViewEmptiesItsImageListAndDropsItsStack) {
  HWND list = Control(WC_LISTVIEWA, 5, LVS_REPORT);
  GadgetRegister(5, list);
  HIMAGELIST images = ImagesOf(3);
  ASSERT_EQ(ImageList_GetImageCount(images), 3);
  IntStack* stack = IntStackNew();
  IntStackPush(stack, 1);
  IntStackPush(stack, 2);
  SetPropA(list, "addparam60000", images);
  SetPropA(list, "stackindexes", stack);
  ColourEntryAdd(list, 0xFFFFFF, 0);
  GadgetFree(5);
  EXPECT_FALSE(IsWindow(list));
  EXPECT_EQ(props_at_destroy["stackindexes"], nullptr);
  EXPECT_EQ(props_at_destroy["addparam60000"], nullptr);
  // Emptied, not destroyed: the list still takes images.
  EXPECT_EQ(ImageList_GetImageCount(images), 0);
  HBITMAP bitmap = CreateBitmap(16, 16, 1, 32, nullptr);
  EXPECT_EQ(ImageList_Add(images, bitmap, nullptr), 0);
  DeleteObject(bitmap);
  ImageList_Destroy(images);
}

TEST_F(GadgetRelease, ATreeViewWithoutCompanionsIsSimplyDestroyed) {
  HWND tree = Control(WC_TREEVIEWA, 6);
  GadgetRegister(6, tree);
  GadgetFree(6);
  EXPECT_FALSE(IsWindow(tree));
}

TEST_F(GadgetRelease, AnUpDownTakesTheControlItBelongsTo) {
  HWND edit = Control("Edit", 7);
  GadgetRegister(7, edit);
  HWND spin = Control(UPDOWN_CLASSA, 8);
  GadgetRegister(8, spin);
  SetPropA(spin, "addparam60000", edit);
  GadgetFree(8);
  EXPECT_FALSE(IsWindow(spin));
  EXPECT_FALSE(IsWindow(edit));
  GadgetFree(7);  // its window is gone; the pair still goes
  EXPECT_EQ(GadgetWindowOf(7), nullptr);
}

TEST_F(GadgetRelease, AnImageComboEmptiesItsImageList) {
  HWND combo = Control(WC_COMBOBOXEXA, 9, CBS_DROPDOWNLIST);
  GadgetRegister(9, combo);
  HIMAGELIST images = ImagesOf(2);
  SetPropA(combo, "addparam60000", images);
  ColourEntryAdd(combo, 0xFFFFFF, 0);
  GadgetFree(9);
  EXPECT_FALSE(IsWindow(combo));
  EXPECT_EQ(ImageList_GetImageCount(images), 0);
  ImageList_Destroy(images);
}

TEST_F(GadgetRelease, ASplitterLosesItsProperties) {
  HWND splitter = Control("SplitterGadget", 10);
  GadgetRegister(10, splitter);
  for (const char* name :
       {"HANDLEPAN", "POSITIONPAN", "STYLEPAN", "SPLITTERMOVE", "GADGET1", "GADGET2"}) {
    SetPropA(splitter, name, AsHandle(1));
  }
  GadgetFree(10);
  for (const char* name :
       {"HANDLEPAN", "POSITIONPAN", "STYLEPAN", "SPLITTERMOVE", "GADGET1", "GADGET2"}) {
    EXPECT_EQ(props_at_destroy[name], nullptr) << name;
  }
}

int explorer_frees = 0;
void* explorer_freed = nullptr;
void ExplorerFree(void* data) {
  ++explorer_frees;
  explorer_freed = data;
}

TEST_F(GadgetRelease, AnExplorerCallsItsReleaseRoutineOnceWithItsRecord) {
  HWND explorer = Control("ExplorerGadget", 11);
  GadgetRegister(11, explorer);
  int record = 0;
  SetPropA(explorer, "EXPLORERLISTFREEPROC", reinterpret_cast<HANDLE>(&ExplorerFree));
  SetPropA(explorer, "EXPLORERGADGETLISTVIEWWINDOW", AsHandle(0x99));
  SetPropA(explorer, "addparam60000", &record);
  GadgetFree(11);
  EXPECT_EQ(explorer_frees, 1);
  EXPECT_EQ(explorer_freed, &record);
  EXPECT_EQ(props_at_destroy["EXPLORERLISTFREEPROC"], nullptr);
  EXPECT_EQ(props_at_destroy["EXPLORERGADGETLISTVIEWWINDOW"], nullptr);
  GadgetFree(11);
  EXPECT_EQ(explorer_frees, 1);
}

TEST_F(GadgetRelease, ClassRulesAreExactAboutTheName) {
  // A class whose name merely begins like the splitter's keeps its properties until destroyed.
  WNDCLASSEXA lookalike = {};
  lookalike.cbSize = sizeof lookalike;
  lookalike.lpfnWndProc = DefWindowProcA;
  lookalike.hInstance = GetModuleHandleA(nullptr);
  lookalike.lpszClassName = "SplitterGadgetToo";
  RegisterClassExA(&lookalike);
  HWND window = Control("SplitterGadgetToo", 12);
  GadgetRegister(12, window);
  SetPropA(window, "HANDLEPAN", AsHandle(1));
  GadgetFree(12);
  EXPECT_EQ(props_at_destroy["HANDLEPAN"], AsHandle(1));
}

}  // namespace
