// The master shortcut table, created at start-up with one free entry.
#include "toolkit/gadgets/shortcut_master.h"

#include <cstdlib>

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

ShortcutEntry* ShortcutMasterEntries() {
  return master_entries;
}
std::int32_t ShortcutMasterSize() {
  return master_size;
}
