// The page step of scroll-bar gadgets, kept in their "pagestep" property.
#include "toolkit/core/core_constants.h"
#include "toolkit/core/toolkit.h"

int ScrollPageStepSetHandle(HWND window, std::int64_t step) {
  return SetPropA(window, PROP_PAGE_STEP,
                  reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(step)));
}

int ScrollPageStepSet(GadgetId id, std::int64_t step) {
  return ScrollPageStepSetHandle(GadgetWindowOf(id), step);
}
