// Events a gadget raises itself, beside those the system's notifications give.
#pragma once

#include <windows.h>

#include <cstdint>

#include <vantrel/toolkit.h>

// Posts an EVENT_GADGET of gadget `id` to the top-level window that holds `gadget`: the event
// call that dispatches it parks it, and the next one reports it with EventSourceId `id`,
// EventDetail `detail` and EventItemIndex `item`.
void GadgetEventPost(HWND gadget, GadgetId id, std::int32_t detail, std::int32_t item);
