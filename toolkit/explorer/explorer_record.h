// Finding an explorer gadget's record and inner list view from its window or its id.
#pragma once

#include <windows.h>

#include <vantrel/toolkit.h>

#include "toolkit/explorer/explorer_gadget_data.h"

// Styles of the inner list view: WS_CHILD | WS_VISIBLE | LVS_OWNERDATA with a view, always
// sharing its image lists, which are the system's and must outlive every list view, and showing
// the chosen rows when the focus is elsewhere (LVS_SHOWSELALWAYS: behind a message box, say).
inline constexpr DWORD EXPLORER_LIST_BASE_STYLE = 0x50001048;
inline constexpr DWORD EXPLORER_LIST_REPORT_STYLE = EXPLORER_LIST_BASE_STYLE | 0x1;

// The record of an explorer window, or of the gadget under id; null for anything else.
ExplorerGadgetData* ExplorerRecordOfWindow(HWND window);
ExplorerGadgetData* ExplorerRecordOf(GadgetId id);
// The inner list view of an explorer window (the first field of its record); null without one.
HWND ExplorerListViewOfWindow(HWND window);
