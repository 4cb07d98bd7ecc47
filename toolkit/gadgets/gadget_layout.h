// Anchors: gadgets that keep their distances to chosen edges of their window as it changes size.
#pragma once

#include <windows.h>

// Moves the gadgets anchored in `window` for its new client size.
void GadgetLayoutRun(HWND window, int width, int height);
// The gadget goes: its anchors with it.
void GadgetLayoutForget(HWND gadget);
// After a move by the application: the anchors keep the distances of the new place.
void GadgetLayoutRenew(HWND gadget);
