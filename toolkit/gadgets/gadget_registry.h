// Entering gadgets under their ids, and releasing a gadget with everything attached to it.
#pragma once

#include <windows.h>

#include <cstdint>

using GadgetId = std::int32_t;

// The release routine an explorer gadget keeps in "EXPLORERLISTFREEPROC".
using GadgetDataFreeFunction = void (*)(void* data);

// Frees any gadget that holds the id, then registers (id, window): 1, or 0 before the first
// window or when memory ran out (the id is then free).
int GadgetRegister(GadgetId id, HWND window);

// Destroys the gadget and releases its registry entries, properties and companions; an id
// that names no gadget is harmless.
void GadgetFree(GadgetId id);

// The status-bar part of the release.
void StatusBarPropsClear(GadgetId id);
