// Colour state shared between the colour operations and the window procedure's colour answer.
#pragma once

#include <windows.h>

#include <cstdint>

// The drop-down list colours of every combo box; `set` stays false until ComboListColourSet.
struct ComboListColourPair {
  COLORREF background;
  COLORREF text;
  bool set;
};
ComboListColourPair ComboListColoursGet();

// Colour of a control's entry, looked up by its window handle; 0 and NoColourFlag raised when
// the control has none.
std::int64_t ControlColourGet(HWND control, bool front);

// Reads NoColourFlag and lowers it: whether the last look-up found no entry.
bool NoColourFlagTake();

// The window's class is about to be unregistered, which deletes its background brush: a brush
// that WindowBackgroundSet made for it is no longer ours to delete.
void WindowBackgroundForget(HWND window);
