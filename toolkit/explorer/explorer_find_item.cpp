// Type-ahead in an explorer's list: the entry whose name a find request names.
#include "toolkit/explorer/explorer_find_item.h"

#include <algorithm>
#include <cstring>

#include "toolkit/explorer/explorer_entries.h"

namespace {

constexpr std::int64_t kNotFound = -1;
// LVFI_SUBSTRING (0x4, newer headers only) asks for a prefix too, as LVFI_PARTIAL does.
constexpr UINT kSubstringFlag = 0x4;
constexpr UINT kPrefixFlags = LVFI_PARTIAL | kSubstringFlag;
constexpr UINT kTextFlags = LVFI_STRING | kPrefixFlags;

// Text of the ANSI code page in UTF-16, so that a comparison never splits a character of a
// multi-byte code page; returns the number of UTF-16 units written.
int Wide(const char* text, wchar_t* out, int room) {
  const int length = static_cast<int>(strnlen(text, static_cast<std::size_t>(room)));
  return length == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, text, length, out, room);
}

bool Matches(const wchar_t* name, int name_length, const wchar_t* typed, int typed_length,
             bool prefix) {
  if (prefix) name_length = std::min(name_length, typed_length);
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name, name_length, typed,
                        typed_length) == CSTR_EQUAL;
}

}  // namespace

std::int64_t ExplorerFindItem(const ExplorerEntryList* list, std::int64_t start,
                              const LVFINDINFOA& find) {
  const std::int64_t count = ExplorerEntryListCount(list);
  if ((find.flags & kTextFlags) == 0 || find.psz == nullptr || count == 0) return kNotFound;
  wchar_t typed[ENTRY_NAME_SIZE];
  wchar_t name[ENTRY_NAME_SIZE];
  const int typed_length = Wide(find.psz, typed, ENTRY_NAME_SIZE);
  const bool prefix = (find.flags & kPrefixFlags) != 0;
  if (start < 0 || start >= count) start = 0;
  // From the start to the end, then from the front up to the start when the request wraps.
  const std::int64_t stop = (find.flags & LVFI_WRAP) != 0 ? start + count : count;
  for (std::int64_t at = start; at < stop; ++at) {
    const std::int64_t index = at % count;
    const ExplorerEntry* entry = ExplorerEntryFind(list, index + 1);
    if (entry == nullptr) continue;
    const int name_length = Wide(entry->name, name, ENTRY_NAME_SIZE);
    if (Matches(name, name_length, typed, typed_length, prefix)) return index;
  }
  return kNotFound;
}
