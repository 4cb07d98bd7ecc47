// The explorer gadget's windows: its class, window procedures, record look-up and release.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/core/toolkit.h"
#include "toolkit/explorer/explorer_gadget_data.h"

// Window class and property names of the explorer gadget.
inline constexpr char EXPLORER_CLASS_NAME[] = "ExplorerGadget";
inline constexpr char EXPLORER_REGISTER_FAILED_LINE[] = "Register error, press any key\n";

// Styles of the inner list view: WS_CHILD | WS_VISIBLE | LVS_OWNERDATA with a view, always
// sharing its image lists, which are the system's and must outlive every list view.
inline constexpr DWORD EXPLORER_LIST_BASE_STYLE = 0x50001040;
inline constexpr DWORD EXPLORER_LIST_REPORT_STYLE = EXPLORER_LIST_BASE_STYLE | 0x1;

// The record of an explorer window, or of the gadget under id; null for anything else.
ExplorerGadgetData* ExplorerRecordOfWindow(HWND window);
ExplorerGadgetData* ExplorerRecordOf(GadgetId id);
// The inner list view of an explorer window (the first field of its record); null without one.
HWND ExplorerListViewOfWindow(HWND window);

// Frees the record with its entry list, its own options and its list view's colour entry;
// returns -1.
std::int64_t ExplorerDataFree(ExplorerGadgetData* record);

bool ExplorerClassRegister();
LRESULT CALLBACK ExplorerWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK ExplorerListViewProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam);
