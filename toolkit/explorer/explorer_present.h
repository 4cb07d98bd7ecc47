// The explorer's list presentation: cell answers, clicks, the Enter key and moves.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string_view>

#include "toolkit/explorer/explorer_gadget_data.h"

// Answers LVN_GETDISPINFOA, NM_DBLCLK and LVN_COLUMNCLICK for ExplorerCurrent; other codes
// are left alone.
void ExplorerPresentNotify(NMHDR* header);

// The Enter key released in list view L: opens the item last painted as selected.
void ExplorerPresentEnterKey(HWND list);

// Moves ExplorerCurrent into item index (text empty) or the text (EXPLORER_OPEN_ENTRY), or to
// the path in text (EXPLORER_OPEN_PATH). -1 when the list was loaded anew, 0 otherwise.
std::int32_t ExplorerOpen(std::int64_t index, std::string_view text, HWND list, std::int32_t mode);

// Forgets the last selected item of a list view that goes away.
void ExplorerPresentForget(HWND list);

// The folder probe that moves use; tests stand in for it where the system cannot be made to
// refuse (null restores ExplorerFolderProbe).
using ExplorerProbeFunction = std::int32_t (*)(const ExplorerGadgetData* gadget,
                                               std::string_view path);
void ExplorerProbeFunctionSet(ExplorerProbeFunction probe);
