// Track bar gadgets: a slider over a range, each move an event.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

HWND TrackBarGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t minimum, std::int32_t maximum,
                          std::int32_t flags) {
  const DWORD style = (flags & BAR_VERTICAL) != 0 ? TBS_VERT : TBS_HORZ;
  HWND bar = GadgetControlCreate(id, TRACKBAR_CLASSA, nullptr, style | TBS_AUTOTICKS, 0, x, y,
                                 width, height, true);
  if (bar != nullptr) GadgetRangeSet(id, minimum, maximum);
  return bar;
}
