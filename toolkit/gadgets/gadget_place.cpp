// Placing gadgets by id: moved, shown or hidden, enabled or not, focused.
#include <vantrel/toolkit.h>

#include "toolkit/core/display_scale.h"
#include "toolkit/core/module_seams.h"
#include "toolkit/gadgets/gadget_create.h"
#include "toolkit/gadgets/gadget_layout.h"

int GadgetMove(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
               std::int32_t height) {
  HWND gadget = GadgetWindowOf(id);
  const DpiRect units = {x, y, width, height};
  const DpiRect place = DpiPlaceOf(gadget, units);
  if (gadget == nullptr || !MoveWindow(gadget, place.x, place.y, place.width, place.height, TRUE)) {
    return 0;
  }
  DpiGeometryKeep(gadget, units);
  if (HWND up_down = SpinUpDownOf(gadget))
    SendMessageA(up_down, UDM_SETBUDDY, reinterpret_cast<WPARAM>(gadget), 0);
  GadgetLayoutRenew(gadget);
  return 1;
}

int GadgetShow(GadgetId id, std::int32_t shown) {
  HWND gadget = GadgetWindowOf(id);
  if (gadget == nullptr) return 0;
  for (HWND part : {gadget, SpinUpDownOf(gadget)}) {
    if (part != nullptr) ShowWindow(part, shown != 0 ? SW_SHOWNA : SW_HIDE);
  }
  return 1;
}

int GadgetEnable(GadgetId id, std::int32_t enabled) {
  HWND gadget = GadgetWindowOf(id);
  if (gadget == nullptr) return 0;
  for (HWND part : {gadget, SpinUpDownOf(gadget)}) {
    if (part != nullptr) EnableWindow(part, enabled != 0);
  }
  return 1;
}

int GadgetFocusSet(GadgetId id) {
  HWND gadget = GadgetWindowOf(id);
  if (gadget == nullptr) return 0;
  // A composite gadget (an explorer) takes the focus in its inner control.
  HWND inner = InnerControlOf(gadget);
  SetFocus(inner != nullptr ? inner : gadget);
  return 1;
}
