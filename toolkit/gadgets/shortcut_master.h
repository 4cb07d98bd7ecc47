// The shortcut operations' own table of accelerator tables per window.
#pragma once

#include <cstdint>

#include "toolkit/core/shortcut_table.h"

ShortcutEntry* ShortcutMasterEntries();
std::int32_t ShortcutMasterSize();
