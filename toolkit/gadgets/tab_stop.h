// Tab-stop enrolment for gadget creators.
#pragma once

#include <cstdint>

using GadgetId = std::int32_t;

// Enrols the gadget as a tab stop of its toolkit top-level window, when that window has
// tab-stop navigation on.
void TabStopEnrolGadget(GadgetId id);
