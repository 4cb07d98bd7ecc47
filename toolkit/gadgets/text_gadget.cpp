// Text gadgets: static texts, left, centred or right.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

HWND TextGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height, const char* text, std::int32_t flags) {
  DWORD style = (flags & TEXT_CENTRE) != 0  ? SS_CENTER
                : (flags & TEXT_RIGHT) != 0 ? SS_RIGHT
                                            : SS_LEFT;
  if ((flags & TEXT_BORDER) != 0) style |= SS_SUNKEN;
  return GadgetControlCreate(id, WC_STATICA, text, style, 0, x, y, width, height, false);
}
