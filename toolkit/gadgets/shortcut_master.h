// The shortcut operations' own table of accelerator tables per window.
#pragma once

#include <cstdint>

#include "toolkit/core/shortcut_table.h"

ShortcutEntry* ShortcutMasterEntries();
std::int32_t ShortcutMasterSize();

// Appends one free (zero-filled) entry; false if memory ran out, the table then unchanged.
bool ShortcutMasterGrow();
