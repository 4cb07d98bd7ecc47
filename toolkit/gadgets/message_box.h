// Message box: a modal box that never shows an empty caption or text and gives the focus back.
#pragma once

#include <cstdint>

#include <windows.h>

// Shows a modal MessageBoxA (flags: its MB_* type, low 32 bits used) owned by owner (may be
// null). An empty or missing title or text is shown as " ". Afterwards the focus is given back
// to the window that had it before (none if none had it). Returns the id of the button that
// closed the box (IDOK, ...), or 0 if the box could not be shown.
std::int64_t MessageShow(const char* title, const char* text, std::int64_t flags, HWND owner);
