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

ShortcutEntry* ShortcutTableEntries();
std::int32_t ShortcutTableSize();

// The pump translates shortcuts only while in use, over entries 0 .. last.
std::int32_t ShortcutTableInUse();
void ShortcutTableInUseSet(std::int32_t in_use);
std::int32_t ShortcutTableLast();
void ShortcutTableLastSet(std::int32_t last);
