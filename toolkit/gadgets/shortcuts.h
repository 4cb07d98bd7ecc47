// Keyboard shortcuts: the internal half (ShortcutAdd and ShortcutRemoveAll are in toolkit.h).
#pragma once

#include "toolkit/core/shortcut_table.h"

// Copies a changed master entry into the pump's table, by window; a window seen for the first
// time gets an entry of its own there, which it keeps for good.
void ShortcutTablePublish(const ShortcutEntry& entry);
