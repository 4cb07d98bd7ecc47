// String gadgets: single-line fields, for passwords or numbers too.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

HWND StringGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, const char* text, std::int32_t flags) {
  DWORD style = ES_AUTOHSCROLL;
  if ((flags & STRING_PASSWORD) != 0) style |= ES_PASSWORD;
  if ((flags & STRING_NUMBERS) != 0) style |= ES_NUMBER;
  if ((flags & STRING_READ_ONLY) != 0) style |= ES_READONLY;
  return GadgetControlCreate(id, WC_EDITA, text, style, WS_EX_CLIENTEDGE, x, y, width, height,
                             true);
}
