// Editor gadgets: multi-line fields with scroll bars.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

HWND EditorGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, const char* text, std::int32_t flags) {
  DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL;
  if ((flags & STRING_READ_ONLY) != 0) style |= ES_READONLY;
  return GadgetControlCreate(id, WC_EDITA, text, style, WS_EX_CLIENTEDGE, x, y, width, height,
                             true);
}
