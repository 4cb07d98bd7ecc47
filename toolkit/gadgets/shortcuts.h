// Keyboard shortcuts: the internal half (ShortcutAdd and ShortcutRemoveAll are in toolkit.h).
#pragma once

#include <cstdint>

#include "toolkit/core/shortcut_table.h"

// The shortcut operations' own table of accelerator tables per window.
ShortcutEntry* ShortcutMasterEntries();
std::int32_t ShortcutMasterSize();

// Appends one free (zero-filled) entry; false if memory ran out, the table then unchanged.
bool ShortcutMasterGrow();

// A destroyed window's accelerator table goes, and with it its master entry (free entries
// left by ShortcutRemoveAll go too, so the table does not keep growing).
void ShortcutMasterForget(HWND window);

// Copies a changed master entry into the pump's table, by window; a window seen for the first
// time gets an entry of its own there, which it keeps for good.
void ShortcutTablePublish(const ShortcutEntry& entry);
