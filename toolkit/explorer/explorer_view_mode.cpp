// ExplorerViewModeSet: icons, details, small icons or list view of an explorer gadget.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <vantrel/toolkit.h>

#include "toolkit/explorer/explorer_record.h"

namespace {

constexpr std::int64_t kApplied = -1;
constexpr std::int64_t kNotApplied = 0;

void ImageListSet(HWND list, WPARAM which, HIMAGELIST images) {
  SendMessageA(list, LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(images));
}

void StyleSet(HWND list, DWORD view) {
  SetWindowLongPtrA(list, GWL_STYLE, static_cast<LONG_PTR>(EXPLORER_LIST_BASE_STYLE | view));
}

}  // namespace

std::int64_t ExplorerViewModeSet(std::int64_t id, std::int64_t mode) {
  if (id <= 0 || id > INT32_MAX) return kNotApplied;
  const auto gadget = static_cast<GadgetId>(id);
  HWND list = ExplorerListViewOf(gadget);
  if (list == nullptr) return kNotApplied;
  auto small_icons =
      reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  SHFILEINFOA info = {};
  auto large_icons =
      reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("", 0, &info, sizeof(info), SHGFI_SYSICONINDEX));
  switch (mode) {
    case EXPLORER_VIEW_ICONS:
      ImageListSet(list, LVSIL_NORMAL, large_icons);
      StyleSet(list, LVS_ICON);
      return kApplied;
    case EXPLORER_VIEW_DETAILS:
      ImageListSet(list, LVSIL_SMALL, small_icons);
      StyleSet(list, LVS_REPORT);
      return kApplied;
    case EXPLORER_VIEW_SMALL_ICONS:
    case EXPLORER_VIEW_LIST:
      ImageListSet(list, LVSIL_NORMAL, large_icons);
      StyleSet(list, LVS_ICON);
      ImageListSet(list, LVSIL_SMALL, small_icons);
      StyleSet(list, mode == EXPLORER_VIEW_LIST ? LVS_LIST : LVS_SMALLICON);
      // Listed again through the path without its pattern.
      ExplorerPathSet(gadget, ExplorerPathGet(gadget).c_str());
      return kApplied;
    default:
      return kNotApplied;
  }
}
