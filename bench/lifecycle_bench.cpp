// Window lifecycle under load: 20,000 toolkit windows opened and destroyed leave nothing behind.
#include <malloc.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include <vantrel/toolkit.h>

#include "toolkit/core/registries.h"
#include "toolkit/gadgets/shortcuts.h"

namespace {

// More windows than the atom table has room for classes that are never unregistered.
constexpr int kWindows = 20000;
constexpr int kWarmUp = 200;
constexpr int kExplorerEvery = 100;
constexpr int kRawWindows = 2000;  // the raw baseline, timed per window
constexpr GadgetId kPicture = 1, kEdit = 2, kExplorer = 3, kCombo = 4;
constexpr std::int32_t kGreen = 0x00C000, kBlue = 0xC00000;
constexpr std::uint64_t kTabStopRequest = 0x1000;
constexpr std::size_t kClassNameRoom = 64;

struct Snapshot {
  std::size_t gadgets, classes, colours, stops;
  std::int32_t master, pump;
  std::size_t heap_blocks;
  DWORD gdi, user;  // 0 where the platform does not report them (Wine)
};

std::size_t HeapBlocks() {
  _HEAPINFO entry = {};
  std::size_t used = 0;
  while (_heapwalk(&entry) == _HEAPOK) used += entry._useflag == _USEDENTRY ? 1 : 0;
  return used;
}

Snapshot Take() {
  return {HandleListCount(GadgetRegistryGet()),
          HandleListCount(ClassNameRegistryGet()),
          HandleListCount(ColourRegistryGet()),
          HandleListCount(TabStopRegistryGet()),
          ShortcutMasterSize(),
          ShortcutTableSize(),
          HeapBlocks(),
          GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
          GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
}

void Print(const char* when, const Snapshot& s) {
  std::printf(
      "%-11s gadgets %zu classes %zu colours %zu stops %zu master %d pump %d heap %zu "
      "gdi %lu user %lu\n",
      when, s.gadgets, s.classes, s.colours, s.stops, s.master, s.pump, s.heap_blocks,
      static_cast<unsigned long>(s.gdi), static_cast<unsigned long>(s.user));
}

bool Same(const Snapshot& a, const Snapshot& b) {
  return a.gadgets == b.gadgets && a.classes == b.classes && a.colours == b.colours &&
         a.stops == b.stops && a.master == b.master && a.pump == b.pump &&
         a.heap_blocks == b.heap_blocks && a.gdi == b.gdi && a.user == b.user;
}

void Drain() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) EventPoll();
  EventPoll();
}

// One window as an application makes it: shortcuts, two tab stops, a coloured picture and a
// coloured background, an image combo, an explorer on every hundredth. The accelerator table it had
// is returned, for the check that it was destroyed.
HACCEL Cycle(int index, std::string* class_name) {
  HWND window =
      WindowOpen("life", 0, 0, 320, 240, WS_OVERLAPPEDWINDOW | kTabStopRequest, 0, nullptr);
  if (window == nullptr) return nullptr;
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  *class_name = name;
  ShortcutAdd(window, FCONTROL, 'S', 100);
  HACCEL table = ShortcutAdd(window, FCONTROL | FSHIFT, 'S', 101);
  PictureGadgetCreate(kPicture, 0, 0, 26, 26, nullptr, 0, SS_ICON);
  ColourEntryAdd(GadgetWindowOf(kPicture), 0xFFFFFF, 0);
  GadgetColourSet(kPicture, kGreen, kBlue, COLOUR_BOTH);
  GadgetRegister(kEdit, CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 0, 30, 100, 20,
                                        window, nullptr, nullptr, nullptr));
  TabStopEnrol(window, kPicture);
  TabStopEnrol(window, kEdit);
  WindowBackgroundSet(window, kBlue);
  ImageComboCreate(kCombo, 0, 90, 150, 100, 16, CBS_DROPDOWNLIST);  // colours and a stop of its own
  if (index % kExplorerEvery == 0) ExplorerGadgetCreate(kExplorer, 0, 60, 300, 150, "", nullptr);
  DestroyWindow(window);
  Drain();
  return table;
}

LRESULT CALLBACK RawProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(window, message, wparam, lparam);
}

// The same window the raw Win32 way: a class, the window, three controls, an image list and an
// accelerator table, all released by hand.
void RawCycle(int index) {
  const std::string name = "RawLife" + std::to_string(index);
  WNDCLASSEXA window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = RawProc;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hbrBackground = CreateSolidBrush(kBlue);
  window_class.lpszClassName = name.c_str();
  RegisterClassExA(&window_class);
  HWND window = CreateWindowExA(0, name.c_str(), "life", WS_OVERLAPPEDWINDOW, 0, 0, 320, 240,
                                nullptr, nullptr, nullptr, nullptr);
  CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | SS_ICON, 0, 0, 26, 26, window, nullptr,
                  nullptr, nullptr);
  CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 0, 30, 100, 20, window, nullptr, nullptr,
                  nullptr);
  CreateWindowExA(0, WC_COMBOBOXEXA, "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 90, 150, 100,
                  window, nullptr, nullptr, nullptr);
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
  ACCEL keys[2] = {{FVIRTKEY | FCONTROL, 'S', 100}, {FVIRTKEY | FCONTROL | FSHIFT, 'S', 101}};
  HACCEL table = CreateAcceleratorTableA(keys, 2);
  DestroyWindow(window);
  DestroyAcceleratorTable(table);
  ImageList_Destroy(images);
  UnregisterClassA(name.c_str(), GetModuleHandleA(nullptr));
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

double Seconds(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
  // The bench's own records (and the output buffer) are allocated before the heap is counted.
  std::printf("%d toolkit windows opened and destroyed after %d to warm up\n", kWindows, kWarmUp);
  std::vector<std::string> class_names(kWindows);
  for (std::string& name : class_names) name.reserve(kClassNameRoom);
  std::vector<HACCEL> tables;
  tables.reserve(kWindows / kExplorerEvery);
  for (int i = 0; i < kWarmUp; ++i) Cycle(i, &class_names[0]);
  const Snapshot before = Take();
  Print("warmed up", before);

  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  int opened = 0;
  for (int i = 0; i < kWindows; ++i) {
    HACCEL table = Cycle(i, &class_names[static_cast<std::size_t>(i)]);
    opened += table != nullptr ? 1 : 0;
    if (i % kExplorerEvery == 0) tables.push_back(table);
  }
  const double toolkit = Seconds(start) / kWindows;
  const Snapshot after = Take();
  Print("after", after);

  QueryPerformanceCounter(&start);
  for (int i = 0; i < kRawWindows; ++i) RawCycle(i);
  const double raw = Seconds(start) / kRawWindows;

  int classes_left = 0, tables_left = 0;
  WNDCLASSEXA info = {};
  info.cbSize = sizeof info;
  for (const std::string& name : class_names) {
    classes_left += GetClassInfoExA(GetModuleHandleA(nullptr), name.c_str(), &info) ? 1 : 0;
  }
  for (HACCEL table : tables) tables_left += CopyAcceleratorTableA(table, nullptr, 0) > 0 ? 1 : 0;
  HWND last = WindowOpen("last", 0, 0, 100, 100, WS_OVERLAPPEDWINDOW, 0, nullptr);
  const bool property = SetPropA(last, "lifecycle-new-property", last) != FALSE;

  std::printf("windows %d opened %d, classes still registered %d, accelerator tables alive %d\n",
              kWindows, opened, classes_left, tables_left);
  std::printf("last WindowOpen %s, new property %s\n", last ? "ok" : "FAILED",
              property ? "ok" : "FAILED");
  const bool sound = opened == kWindows && classes_left == 0 && tables_left == 0 &&
                     last != nullptr && property && Same(before, after);
  std::printf("per window: toolkit %.1f us, raw %.1f us\n", toolkit * 1e6, raw * 1e6);
  std::printf("%s toolkit/raw %.2f\n", sound ? "ok" : "LEAK", toolkit / raw);
  return sound ? 0 : 1;
}
