// The pump's table of keyboard shortcuts: one accelerator table per top-level window.
#pragma once

#include <windows.h>

#include <cstdint>

struct ShortcutEntry {
  HACCEL table;  // null when the window has no shortcuts
  HWND window;   // null marks a free entry
};
static_assert(sizeof(ShortcutEntry) == 16, "two 64-bit handles");

// Creates the table with one zero-filled entry (index 0).
void ShortcutTableCreate();

// Makes sure index `index` exists (new entries zero-filled); false if memory ran out.
bool ShortcutTableReserve(std::int32_t index);

// Takes the window's entries and the free ones out of `entries`, keeping the order of the rest
// (the pump lets the last match win); returns how many are left, at least 1: when none is,
// entry 0 is zero-filled, as at start. Both shortcut tables forget a destroyed window so.
std::int32_t ShortcutEntriesRemove(ShortcutEntry* entries, std::int32_t size, HWND window);

// The pump forgets a destroyed window: a later window with the same handle value starts
// without shortcuts.
void ShortcutTableRemove(HWND window);

ShortcutEntry* ShortcutTableEntries();
std::int32_t ShortcutTableSize();

// The pump translates shortcuts only while in use, over entries 0 .. last.
std::int32_t ShortcutTableInUse();
void ShortcutTableInUseSet(std::int32_t in_use);
std::int32_t ShortcutTableLast();
void ShortcutTableLastSet(std::int32_t last);
