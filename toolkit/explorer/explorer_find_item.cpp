// Type-ahead in an explorer's list: the entry whose name a find request names.
#include "toolkit/explorer/explorer_find_item.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "toolkit/explorer/explorer_entries.h"

namespace {

constexpr std::int64_t kNotFound = -1;
// LVFI_SUBSTRING (0x4, newer headers only) asks for a prefix too, as LVFI_PARTIAL does.
constexpr UINT kSubstringFlag = 0x4;
constexpr UINT kPrefixFlags = LVFI_PARTIAL | kSubstringFlag;
constexpr UINT kTextFlags = LVFI_STRING | kPrefixFlags;

// Text of the ANSI code page in UTF-16, so that a comparison never splits a character of a
// multi-byte code page; returns the number of UTF-16 units written.
int Wide(const char* text, std::size_t length, wchar_t* out, int room) {
  if (length == 0) return 0;
  return MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), out, room);
}

}  // namespace

std::wstring ExplorerFindText(const char* typed) {
  if (typed == nullptr) return std::wstring();
  const std::size_t length = std::strlen(typed);
  std::wstring wide(length, L'\0');
  wide.resize(static_cast<std::size_t>(
      std::max(0, Wide(typed, length, wide.data(), static_cast<int>(length)))));
  return wide;
}

std::int64_t ExplorerFindItem(const ExplorerEntryList* list, std::int64_t start, UINT flags,
                              std::wstring_view typed) {
  const std::int64_t count = ExplorerEntryListCount(list);
  if ((flags & kTextFlags) == 0 || count == 0) return kNotFound;
  const bool prefix = (flags & kPrefixFlags) != 0;
  const int typed_length = static_cast<int>(typed.size());
  if (start < 0 || start >= count) start = 0;
  // From the start to the end, then from the front up to the start when the request wraps.
  const std::int64_t stop = (flags & LVFI_WRAP) != 0 ? start + count : count;
  wchar_t name[ENTRY_NAME_SIZE];
  for (std::int64_t at = start; at < stop; ++at) {
    const std::int64_t index = at % count;
    const ExplorerEntry* entry = ExplorerEntryFind(list, index + 1);
    if (entry == nullptr) continue;
    // The name is a pointer into the list's texts, at most ENTRY_NAME_SIZE - 1 bytes long.
    int name_length =
        Wide(entry->name, strnlen(entry->name, ENTRY_NAME_SIZE - 1), name, ENTRY_NAME_SIZE);
    if (prefix) name_length = std::min(name_length, typed_length);
    if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name, name_length, typed.data(),
                       typed_length) == CSTR_EQUAL) {
      return index;
    }
  }
  return kNotFound;
}
