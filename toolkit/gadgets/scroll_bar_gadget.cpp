// Scroll bar gadgets: a range with a thumb of a page's size, stepped by its arrows and pages.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

HWND ScrollBarGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, std::int32_t minimum, std::int32_t maximum,
                           std::int32_t page, std::int32_t flags) {
  const DWORD style = (flags & BAR_VERTICAL) != 0 ? SBS_VERT : SBS_HORZ;
  HWND bar = GadgetControlCreate(id, WC_SCROLLBARA, nullptr, style, 0, x, y, width, height, true);
  if (bar == nullptr) return nullptr;
  GadgetRangeSet(id, minimum, maximum);
  // The page is the thumb's size, and the step of a click beside it.
  SCROLLINFO info = {sizeof(info), SIF_PAGE, 0, 0, static_cast<UINT>(page), 0, 0};
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
  ScrollPageStepSet(id, page);
  return bar;
}
