// Status bars: fields at the foot of a window, which follow its size.
#include <vantrel/toolkit.h>

#include <vector>

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
  for (int field = 0; widths != nullptr && field < fields; ++field) {
    if (widths[field] == kToRightEdge) break;
    edge += widths[field];
    edges[static_cast<std::size_t>(field)] = edge;
  }
  SendMessageA(bar, SB_SETPARTS, static_cast<WPARAM>(fields),
               reinterpret_cast<LPARAM>(edges.data()));
  SetPropA(GetParent(bar), PROP_STATUSBAR_WINDOW, bar);
  return bar;
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
