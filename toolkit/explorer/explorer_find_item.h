// Type-ahead in an explorer's list: the entry whose name a find request names.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

struct ExplorerEntryList;

// The 0-based index of the first entry, from `start` on and round to the front when the
// request wraps, whose name starts with the request's text (LVFI_PARTIAL) or equals it
// (LVFI_STRING), letter case ignored as the user's locale sees it; -1 when none does.
std::int64_t ExplorerFindItem(const ExplorerEntryList* list, std::int64_t start,
                              const LVFINDINFOA& find);
