// The explorer at a window's DPI (scaled mode): its icons and its columns follow a DPI change;
// its font follows with every gadget's, and its rows with its font.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>

#include <vantrel/toolkit.h>

#include "toolkit/core/display_scale.h"
#include "toolkit/explorer/explorer_constants.h"
#include "toolkit/explorer/explorer_gadget.h"
#include "toolkit/explorer/explorer_record.h"
#include "toolkit/gadgets/gadget_constants.h"

namespace {

// IID_IImageList: the system's image lists come as this interface, which is an HIMAGELIST.
constexpr GUID kImageListInterface = {
    0x46EB5926, 0x582E, 0x4017, {0x9F, 0xDF, 0xE8, 0x99, 0x8D, 0xAA, 0x09, 0x50}};
// From small to large; each holds every icon of the system's image list.
constexpr int kShellLists[] = {SHIL_SMALL, SHIL_LARGE, SHIL_EXTRALARGE};

HIMAGELIST SmallIcons() {
  SHFILEINFOA info = {};
  return reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

BOOL CALLBACK ExplorerRenew(HWND child, LPARAM dpi) {
  if (WindowClassNameGet(child) != CLASS_EXPLORER_GADGET) return TRUE;
  const ExplorerGadgetData* record = ExplorerRecordOfWindow(child);
  if (record == nullptr || record->listView == nullptr) return TRUE;
  HIMAGELIST icons = ExplorerIconsFor(static_cast<UINT>(dpi));
  ImageList_SetBkColor(icons, CLR_NONE);
  SendMessageA(record->listView, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
  RECT client = {};
  GetClientRect(child, &client);
  ExplorerColumnsFit(record->listView, *record, client.right, true);
  return TRUE;
}

void OnDpiChange(HWND window, UINT, UINT new_dpi) {
  EnumChildWindows(window, ExplorerRenew, static_cast<LPARAM>(new_dpi));
}

}  // namespace

HIMAGELIST ExplorerIconsFor(UINT dpi) {
  if (!DpiScalingOn()) return SmallIcons();
  const int wanted = DpiMetric(SM_CXSMICON, dpi);
  HIMAGELIST best = nullptr;
  int best_distance = 0;
  for (int which : kShellLists) {
    void* list = nullptr;
    if (FAILED(SHGetImageList(which, kImageListInterface, &list)) || list == nullptr) continue;
    int width = 0, height = 0;
    ImageList_GetIconSize(static_cast<HIMAGELIST>(list), &width, &height);
    // The nearest; between two as near, the larger, which the list view shrinks no further.
    const int distance = std::abs(width - wanted);
    if (best == nullptr || distance <= best_distance) {
      best = static_cast<HIMAGELIST>(list);
      best_distance = distance;
    }
  }
  return best != nullptr ? best : SmallIcons();
}

void ExplorerDpiInit() {
  DpiChangeHandlerAdd(OnDpiChange);
}
