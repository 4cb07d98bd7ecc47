// Button gadgets: push buttons, whose clicks are events.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

HWND ButtonGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, const char* text, std::int32_t flags) {
  const DWORD style = (flags & BUTTON_DEFAULT) != 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  return GadgetControlCreate(id, WC_BUTTONA, text, style, 0, x, y, width, height, true);
}
