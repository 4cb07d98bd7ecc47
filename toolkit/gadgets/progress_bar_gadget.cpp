// Progress bar gadgets: a position within a range, set by the application.
#include <vantrel/toolkit.h>

#include "toolkit/gadgets/gadget_create.h"

HWND ProgressBarGadgetCreate(GadgetId id, std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height, std::int32_t minimum, std::int32_t maximum,
                             std::int32_t flags) {
  const DWORD style = (flags & BAR_VERTICAL) != 0 ? PBS_VERTICAL : 0;
  HWND bar =
      GadgetControlCreate(id, PROGRESS_CLASSA, nullptr, style, 0, x, y, width, height, false);
  if (bar != nullptr) GadgetRangeSet(id, minimum, maximum);
  return bar;
}
