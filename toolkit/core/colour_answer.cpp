// The window procedure's answer to controls that ask for their colours, with its brush cache.
#include <windows.h>

#include <vantrel/toolkit.h>

#include "toolkit/core/colours.h"
#include "toolkit/core/window_proc_handlers.h"

namespace {

// The brush made for the last colour, window and message; deleted only when replaced.
struct BrushCache {
  COLORREF colour;
  HWND window;
  UINT message;
  HBRUSH brush;
};
BrushCache brush_cache = {};

// A scroll bar whose front colour is 0 is painted on the dialog face.
constexpr COLORREF kScrollBarFace = 0xF0F0F0;

HBRUSH CachedBrush(COLORREF colour, HWND window, UINT message) {
  if (colour != brush_cache.colour || window != brush_cache.window ||
      message != brush_cache.message || brush_cache.brush == nullptr) {
    HBRUSH old = brush_cache.brush;
    brush_cache = {colour, window, message, CreateSolidBrush(colour)};
    if (old != nullptr) DeleteObject(old);
  }
  return brush_cache.brush;
}

LRESULT Answer(HDC dc, COLORREF back, COLORREF text, HWND window, UINT message) {
  HBRUSH brush = CachedBrush(back, window, message);
  SetBkColor(dc, back);
  SetTextColor(dc, text);
  return reinterpret_cast<LRESULT>(brush);
}

}  // namespace

bool OnColourRequest(HWND window, UINT message, WPARAM dc, LPARAM control, LRESULT* result) {
  HWND child = reinterpret_cast<HWND>(control);
  const auto hdc = reinterpret_cast<HDC>(dc);
  const std::int32_t kind = GadgetKindOf(child);
  if (kind == GADGET_KIND_COMBOLIST) {
    // Until an application picks them, drop-down lists keep the system's colours.
    const ComboListColourPair combo = ComboListColoursGet();
    if (!combo.set) return false;
    *result = Answer(hdc, combo.background, combo.text, window, message);
    return true;
  }
  const std::int64_t front = ControlColourGet(child, true);
  const std::int64_t back =
      kind == GADGET_KIND_SCROLLBAR && front == 0 ? kScrollBarFace : ControlColourGet(child, false);
  // A control without colours is painted as the system paints it, not with another's brush.
  if (NoColourFlagTake()) return false;
  *result = Answer(hdc, static_cast<COLORREF>(back), static_cast<COLORREF>(front), window, message);
  return true;
}
