// Watching the folder an explorer gadget shows, on the application's own event loop.
#pragma once

#include <windows.h>

#include "toolkit/explorer/explorer_gadget_data.h"

// Watches the gadget's folder (or the drives, for the drive list) if watching is on, and stops
// watching one it no longer shows. Every move calls it.
void ExplorerWatchRenew(ExplorerGadgetData* gadget);
// Stops watching and lets the notification go (the gadget's release, or watching turned off).
void ExplorerWatchClose(ExplorerGadgetData* gadget);
// The explorer window's watch timer: lists the folder again once its changes have settled.
void ExplorerWatchTick(HWND window);
// The explorer window's timer id for watching.
inline constexpr UINT_PTR EXPLORER_WATCH_TIMER = 0x5741;
