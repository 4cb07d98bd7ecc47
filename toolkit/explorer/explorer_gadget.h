// The explorer gadget's windows: its class, window procedures and release.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "toolkit/explorer/explorer_record.h"

// The line printed when the explorer's window class cannot be registered.
inline constexpr char EXPLORER_REGISTER_FAILED_LINE[] = "Register error, press any key\n";

// Frees the record with its entry list, its own options and its list view's colour entry;
// returns -1.
std::int64_t ExplorerDataFree(ExplorerGadgetData* record);

bool ExplorerClassRegister();
LRESULT CALLBACK ExplorerWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK ExplorerListViewProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam);

// Sets the list's column widths for a gadget `width` pixels wide: the automatic ones, or every
// one (a width the options give is in units, scaled by the list's DPI).
void ExplorerColumnsFit(HWND list, const ExplorerGadgetData& record, int width, bool every);

// The system's small icons for a list at that DPI: in scaled mode the system's image list whose
// icons come nearest that DPI's small-icon size; else the system's small icons.
HIMAGELIST ExplorerIconsFor(UINT dpi);
