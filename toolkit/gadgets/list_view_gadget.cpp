// List view gadgets: rows of cells under titled columns; clicks and keyboard choices are
// events with the row and column.
#include <vantrel/toolkit.h>

#include "toolkit/core/display_scale.h"
#include "toolkit/gadgets/gadget_create.h"

namespace {

HWND ListViewOf(GadgetId id) {
  HWND list = GadgetWindowOf(id);
  return list != nullptr && GadgetKindOf(list) == GADGET_KIND_LISTVIEW ? list : nullptr;
}

}  // namespace

HWND ListViewGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t flags) {
  HWND list = GadgetControlCreate(id, WC_LISTVIEWA, nullptr, LVS_REPORT | LVS_SHOWSELALWAYS,
                                  WS_EX_CLIENTEDGE, x, y, width, height, true);
  if (list != nullptr) {
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
  }
  return list;
}

void ListViewColumnsRescale(HWND list, UINT old_dpi, UINT new_dpi) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  const auto count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  for (int column = 0; column < count; ++column) {
    const auto width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0));
    // Through units: a width the user dragged is kept as closely as the pixels allow.
    SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                 DpiScale(DpiUnscale(width, old_dpi), new_dpi));
  }
}

std::int64_t ListViewColumnAdd(GadgetId id, const char* title, std::int32_t width) {
  HWND list = ListViewOf(id);
  if (list == nullptr || title == nullptr) return -1;
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = DpiScale(width, DpiOfWindow(list));
  column.pszText = const_cast<char*>(title);
  const LRESULT at = SendMessageA(header, HDM_GETITEMCOUNT, 0, 0);
  return SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(at),
                      reinterpret_cast<LPARAM>(&column));
}

int ListViewCellSet(GadgetId id, std::int64_t row, std::int32_t column, const char* text) {
  HWND list = ListViewOf(id);
  if (list == nullptr || text == nullptr || row < 0 || column < 0 ||
      row >= SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) {
    return 0;
  }
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text);
  return SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(&item)) != 0
             ? 1
             : 0;
}

std::string ListViewCellGet(GadgetId id, std::int64_t row, std::int32_t column) {
  HWND list = ListViewOf(id);
  if (list == nullptr || row < 0 || row >= SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) {
    return std::string();
  }
  char text[LIST_VIEW_CELL_TEXT_MAX] = {};
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return text;
}

std::int64_t ListViewRowAdd(HWND list, std::int64_t index, const char* text) {
  const LRESULT count = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
  if (index < -1 || index > count) return -1;
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(index == -1 ? count : index);
  item.pszText = const_cast<char*>(text);
  return SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}
