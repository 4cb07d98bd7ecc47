// Keyboard shortcuts: one Win32 accelerator table per top-level window, published to the pump.
#include "toolkit/gadgets/shortcuts.h"

#include <algorithm>
#include <vector>

#include <vantrel/toolkit.h>

namespace {

// ACCEL keeps 16-bit keys and commands and 8-bit flags.
constexpr std::int32_t kLow16 = 0xFFFF;

ACCEL Record(BYTE flags, std::int32_t key, std::int32_t command) {
  ACCEL record = {};
  record.fVirt = flags;
  record.key = static_cast<WORD>(key & kLow16);
  record.cmd = static_cast<WORD>(command & kLow16);
  return record;
}

// The first master entry that names the window, or -1.
std::int32_t MasterIndexOf(HWND window) {
  const ShortcutEntry* entries = ShortcutMasterEntries();
  for (std::int32_t i = 0; i < ShortcutMasterSize(); ++i) {
    if (entries[i].window == window) return i;
  }
  return -1;
}

// Rebuilds the window's table with one shortcut changed or added.
HACCEL ShortcutChange(ShortcutEntry& entry, BYTE flags, std::int32_t key, std::int32_t command) {
  const int count = std::max(CopyAcceleratorTableA(entry.table, nullptr, 0), 0);
  std::vector<ACCEL> records(static_cast<std::size_t>(count) + 1);
  if (count > 0) CopyAcceleratorTableA(entry.table, records.data(), count);
  // The whole command is compared: one above 65535 never matches a stored 16-bit one.
  const auto same = std::find_if(records.begin(), records.begin() + count,
                                 [command](const ACCEL& record) { return record.cmd == command; });
  if (same != records.begin() + count) {
    same->key = static_cast<WORD>(key & kLow16);
    same->fVirt = flags;
    records.pop_back();
  } else {
    records.back() = Record(flags, key, command);
  }
  // The new table is made before the old one goes: if it cannot be made, the window keeps the
  // shortcuts it had.
  HACCEL table = CreateAcceleratorTableA(records.data(), static_cast<int>(records.size()));
  if (table == nullptr) return nullptr;
  if (entry.table != nullptr) DestroyAcceleratorTable(entry.table);
  entry.table = table;
  ShortcutTablePublish(entry);
  return table;
}

}  // namespace

HACCEL ShortcutAdd(HWND window, std::int32_t modifiers, std::int32_t key, std::int32_t command) {
  // A null window would match the free entries, whose window is null too; a destroyed one
  // would get a table that no release ever finds.
  if (window == nullptr || !IsWindow(window)) return nullptr;
  const BYTE flags = static_cast<BYTE>(modifiers | FVIRTKEY);
  const std::int32_t found = MasterIndexOf(window);
  if (found >= 0) return ShortcutChange(ShortcutMasterEntries()[found], flags, key, command);

  // Only a free entry at the last index is reused; free entries below it stay free.
  const std::int32_t size = ShortcutMasterSize();
  if (size == 0 || ShortcutMasterEntries()[size - 1].window != nullptr) {
    if (!ShortcutMasterGrow()) return nullptr;
  }
  ShortcutEntry& entry = ShortcutMasterEntries()[ShortcutMasterSize() - 1];
  ACCEL record = Record(flags, key, command);
  entry.window = window;
  entry.table = CreateAcceleratorTableA(&record, 1);
  ShortcutTablePublish(entry);
  return entry.table;
}

void ShortcutRemoveAll(HWND window) {
  if (window == nullptr) return;
  ShortcutEntry* entries = ShortcutMasterEntries();
  for (std::int32_t i = 0; i < ShortcutMasterSize(); ++i) {
    if (entries[i].window != window) continue;
    if (entries[i].table != nullptr) DestroyAcceleratorTable(entries[i].table);
    entries[i].table = nullptr;
    // The pump keeps the window's entry, now without a table.
    ShortcutTablePublish(entries[i]);
    entries[i].window = nullptr;
  }
}

void ShortcutTablePublish(const ShortcutEntry& entry) {
  ShortcutTableInUseSet(1);
  ShortcutEntry* entries = ShortcutTableEntries();
  for (std::int32_t i = 0; i < ShortcutTableSize(); ++i) {
    if (entries[i].window == entry.window) {
      entries[i].table = entry.table;
      return;
    }
  }
  // Entry 0 is free only before the first publication; after that the table grows by one.
  std::int32_t index = 0;
  if (ShortcutTableSize() == 0 || entries[0].window != nullptr) {
    index = ShortcutTableSize();
    if (!ShortcutTableReserve(index)) return;
  }
  ShortcutTableEntries()[index] = entry;
  ShortcutTableLastSet(index);
}
