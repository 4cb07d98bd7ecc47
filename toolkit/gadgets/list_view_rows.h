// The rows of a list view gadget, for the item operations by id.
#pragma once

#include <windows.h>

#include <cstdint>

// Adds a row whose first cell is `text` at index (-1: at the end); its index, -1 when it fails.
std::int64_t ListViewRowAdd(HWND list, std::int64_t index, const char* text);
