// The explorer's list presentation: cell answers, clicks, the Enter key and moves.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/explorer/explorer_gadget_data.h"

// Answers LVN_GETDISPINFOA, NM_DBLCLK, LVN_COLUMNCLICK and LVN_ODFINDITEM for ExplorerCurrent;
// other codes are left alone. The window procedure's result where the code needs one (the
// found item of LVN_ODFINDITEM, -1 for none).
std::optional<LRESULT> ExplorerPresentNotify(NMHDR* header);

// The Enter key pressed in list view L: opens the item that is focused and selected there now.
void ExplorerPresentEnterKey(HWND list);

// Moves ExplorerCurrent into item index (text empty) or the text (EXPLORER_OPEN_ENTRY), or to
// the path in text (EXPLORER_OPEN_PATH). -1 when the list was loaded anew, 0 otherwise.
std::int32_t ExplorerOpen(std::int64_t index, std::string_view text, HWND list, std::int32_t mode);

// Lists the gadget's folder again in place: the same names stay chosen and focused, and the
// same row on top. False, the listing unchanged, when the folder cannot be searched.
bool ExplorerListRefresh(ExplorerGadgetData* gadget);
// Shows the search path `target`, nothing chosen, at the top; false when it cannot be searched.
bool ExplorerListMove(ExplorerGadgetData* gadget, const std::string& target);

// The folder probe that moves use; tests stand in for it where the system cannot be made to
// refuse (null restores ExplorerFolderProbe).
using ExplorerProbeFunction = std::int32_t (*)(const ExplorerGadgetData* gadget,
                                               std::string_view path);
void ExplorerProbeFunctionSet(ExplorerProbeFunction probe);
