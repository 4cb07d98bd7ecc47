// Check box gadgets: a click toggles the check and is an event.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

HWND CheckBoxGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, const char* text, std::int32_t flags) {
  return GadgetControlCreate(id, WC_BUTTONA, text, BS_AUTOCHECKBOX, 0, x, y, width, height, true);
}
