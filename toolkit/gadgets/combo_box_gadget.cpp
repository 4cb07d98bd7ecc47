// Combo box gadgets: a drop-down list, or a field above one.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

HWND ComboBoxGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t flags) {
  const DWORD kind =
      (flags & COMBO_EDITABLE) != 0 ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
  return GadgetControlCreate(id, WC_COMBOBOXA, nullptr, kind | WS_VSCROLL, 0, x, y, width, height,
                             true);
}
