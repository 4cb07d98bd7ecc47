// The shortcut table read by the message pump and written by the shortcut operations.
#include "toolkit/core/shortcut_table.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// Plain, constant-initialised globals: the table is made during static initialisation.
ShortcutEntry* entries = nullptr;
std::int32_t size = 0;
std::int32_t in_use = 0;
std::int32_t last = 0;

}  // namespace

void ShortcutTableCreate() {
  std::free(entries);
  size = 0;
  entries = static_cast<ShortcutEntry*>(std::calloc(1, sizeof(ShortcutEntry)));
  if (entries != nullptr) size = 1;
}

bool ShortcutTableReserve(std::int32_t index) {
  if (index < 0) return false;
  if (index < size) return true;
  const std::int32_t new_size = index + 1;
  void* grown = std::realloc(entries, sizeof(ShortcutEntry) * static_cast<std::size_t>(new_size));
  if (grown == nullptr) return false;
  entries = static_cast<ShortcutEntry*>(grown);
  std::memset(entries + size, 0, sizeof(ShortcutEntry) * static_cast<std::size_t>(new_size - size));
  size = new_size;
  return true;
}

std::int32_t ShortcutEntriesRemove(ShortcutEntry* list, std::int32_t count, HWND window) {
  if (list == nullptr || count < 1) return count;
  const ShortcutEntry* kept_end =
      std::remove_if(list, list + count, [window](const ShortcutEntry& entry) {
        return entry.window == window || entry.window == nullptr;
      });
  const auto kept = static_cast<std::int32_t>(kept_end - list);
  if (kept > 0) return kept;
  list[0] = ShortcutEntry{};
  return 1;
}

void ShortcutTableRemove(HWND window) {
  if (window == nullptr) return;
  size = ShortcutEntriesRemove(entries, size, window);
  // Publications always fill the table up to its last index.
  if (size > 0) last = size - 1;
}

ShortcutEntry* ShortcutTableEntries() {
  return entries;
}
std::int32_t ShortcutTableSize() {
  return size;
}
std::int32_t ShortcutTableInUse() {
  return in_use;
}
void ShortcutTableInUseSet(std::int32_t value) {
  in_use = value;
}
std::int32_t ShortcutTableLast() {
  return last;
}
void ShortcutTableLastSet(std::int32_t value) {
  last = value;
}
