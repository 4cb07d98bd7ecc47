// The master shortcut table, created at start-up with one free entry.
#include "toolkit/gadgets/shortcuts.h"

#include <cstdlib>
#include <cstring>

#include "toolkit/core/startup.h"

namespace {

// Plain, constant-initialised globals: the table is made during static initialisation.
ShortcutEntry* master_entries = nullptr;
std::int32_t master_size = 0;

}  // namespace

void ShortcutMasterInit() {
  if (master_entries != nullptr) return;
  master_entries = static_cast<ShortcutEntry*>(std::calloc(1, sizeof(ShortcutEntry)));
  if (master_entries != nullptr) master_size = 1;
}

bool ShortcutMasterGrow() {
  const std::int32_t new_size = master_size + 1;
  void* grown =
      std::realloc(master_entries, sizeof(ShortcutEntry) * static_cast<std::size_t>(new_size));
  if (grown == nullptr) return false;
  master_entries = static_cast<ShortcutEntry*>(grown);
  std::memset(master_entries + master_size, 0, sizeof(ShortcutEntry));
  master_size = new_size;
  return true;
}

void ShortcutMasterForget(HWND window) {
  if (window == nullptr) return;
  for (std::int32_t i = 0; i < master_size; ++i) {
    if (master_entries[i].window == window && master_entries[i].table != nullptr) {
      DestroyAcceleratorTable(master_entries[i].table);
    }
  }
  master_size = ShortcutEntriesRemove(master_entries, master_size, window);
}

ShortcutEntry* ShortcutMasterEntries() {
  return master_entries;
}
std::int32_t ShortcutMasterSize() {
  return master_size;
}
