// Status bars: fields at the foot of a window, which follow its size.
#include <vantrel/toolkit.h>

#include <vector>

#include "toolkit/core/display_scale.h"
#include "toolkit/gadgets/gadget_create.h"

namespace {

constexpr int kFieldsMax = 255;  // SB_SETPARTS takes at most this many
constexpr int kToRightEdge = -1;

HWND StatusBarOf(GadgetId id) {
  HWND bar = GadgetWindowOf(id);
  return bar != nullptr && WindowClassNameGet(bar) == STATUSCLASSNAMEA ? bar : nullptr;
}

}  // namespace

HWND StatusBarCreate(GadgetId id, std::int32_t fields, const std::int32_t* widths) {
  if (fields < 1 || fields > kFieldsMax) return nullptr;
  HWND bar =
      GadgetControlCreate(id, STATUSCLASSNAMEA, nullptr, SBARS_SIZEGRIP, 0, 0, 0, 0, 0, false);
  if (bar == nullptr) return nullptr;
  // The right edge of each field, from the widths; the window procedure keeps it at the foot.
  std::vector<int> edges(static_cast<std::size_t>(fields), kToRightEdge);
  int edge = 0;
  const UINT dpi = DpiOfWindow(bar);
  for (int field = 0; widths != nullptr && field < fields; ++field) {
    if (widths[field] == kToRightEdge) break;
    edge += widths[field];
    edges[static_cast<std::size_t>(field)] = DpiScale(edge, dpi);
  }
  SendMessageA(bar, SB_SETPARTS, static_cast<WPARAM>(fields),
               reinterpret_cast<LPARAM>(edges.data()));
  SetPropA(GetParent(bar), PROP_STATUSBAR_WINDOW, bar);
  return bar;
}

void StatusBarFieldsRescale(HWND bar, UINT old_dpi, UINT new_dpi) {
  std::vector<int> edges(kFieldsMax);
  const auto count = static_cast<int>(
      SendMessageA(bar, SB_GETPARTS, kFieldsMax, reinterpret_cast<LPARAM>(edges.data())));
  // Through units, so that changes back and forth give the edges first set.
  for (int field = 0; field < count; ++field) {
    int& edge = edges[static_cast<std::size_t>(field)];
    if (edge != kToRightEdge) edge = DpiScale(DpiUnscale(edge, old_dpi), new_dpi);
  }
  SendMessageA(bar, SB_SETPARTS, static_cast<WPARAM>(count),
               reinterpret_cast<LPARAM>(edges.data()));
  SendMessageA(bar, WM_SIZE, 0, 0);
}

int StatusBarTextSet(GadgetId id, std::int32_t field, const char* text) {
  HWND bar = StatusBarOf(id);
  if (bar == nullptr || text == nullptr || field < 0) return 0;
  if (field >= SendMessageA(bar, SB_GETPARTS, 0, 0)) return 0;
  return SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(field),
                      reinterpret_cast<LPARAM>(text)) != 0
             ? 1
             : 0;
}
