// Tab-stop keyboard navigation: the internal operations (TabStopEnrol is in toolkit.h).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include <vantrel/toolkit.h>

// How TabStopMove finds its target.
inline constexpr int TABSTOP_MODE_STEP = 0;   // from the given stop: Tab forward, Shift+Tab back
inline constexpr int TABSTOP_MODE_FIRST = 1;  // the focus is no known stop: the first stop
inline constexpr int TABSTOP_MODE_FORCE = 2;  // forward from the given stop, for Ctrl+Tab

// A window's stops in ascending order: gadget ids, and a toolbar's handle taken as a number.
using TabStopOrder = std::vector<std::int64_t>;

// For gadget creators: enrols the gadget in the top-level toolkit window above the current
// window, if that window has tab stops enabled.
void TabStopEnrolGadget(GadgetId id);

// Runs when TABSTOP_NEXT, TABSTOP_PREVIOUS or TABSTOP_FORCE_NEXT reaches `window`.
void TabStopNavigate(HWND window, unsigned command);

// Focuses the stop that `mode` picks and remembers it in the window's "tabstopcurentgadget".
void TabStopMove(std::int64_t stop, HWND window, unsigned command, int mode);

// Fills `order` with exactly the window's visible, enabled stops, sorted; false when there are
// none.
bool TabStopCollect(HWND window, TabStopOrder& order);

// The window that a stop value gives the focus to.
HWND TabStopTarget(std::int64_t stop);
