// Type-ahead in an explorer's list: the entry whose name a find request names.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

struct ExplorerEntryList;

// The 0-based index of the first entry, from `start` on and round to the front when the flags
// hold LVFI_WRAP, whose name starts with the typed text (LVFI_PARTIAL) or equals it
// (LVFI_STRING), letter case ignored as the user's locale sees it; -1 when none does.
std::int64_t ExplorerFindItem(const ExplorerEntryList* list, std::int64_t start, UINT flags,
                              std::wstring_view typed);
// The typed text of an ANSI request, whole characters of the ANSI code page.
std::wstring ExplorerFindText(const char* typed);
