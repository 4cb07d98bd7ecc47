// Placeholders for ComboListColourSet and TabStopEnrolGadget, replaced on merge by their own
// modules.
#include "toolkit/core/toolkit.h"
#include "toolkit/gadgets/tab_stop.h"

int ComboListColourSet(std::int32_t, std::int32_t) {
  return 1;
}

void TabStopEnrolGadget(GadgetId) {}
