// List box gadgets: a list of texts, one chosen.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

HWND ListBoxGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height, std::int32_t flags) {
  // Keys come as WM_VKEYTOITEM (an event); the height is the one asked for, not whole rows.
  return GadgetControlCreate(id, WC_LISTBOXA, nullptr,
                             LBS_NOTIFY | LBS_WANTKEYBOARDINPUT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                             WS_EX_CLIENTEDGE, x, y, width, height, true);
}
