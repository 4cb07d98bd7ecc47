// The one record of the current event, written by the core and read through the accessors.
#pragma once

#include <windows.h>

#include <cstdint>

struct EventStateRecord {
  std::int32_t code;
  HWND source_window;
  std::int32_t source_id;
  std::int32_t mouse_x;
  std::int32_t mouse_y;
  std::int32_t detail;
  std::uint64_t raw_wparam;
  std::uint64_t raw_lparam;
  std::int32_t size_width;
  std::int32_t size_height;
  std::int32_t last_gadget_id;
  std::int32_t list_gadget;
  std::int32_t column_click;
  std::int32_t item_index;
  std::int32_t item_column;
  std::int32_t item_key_flags;
  std::int64_t tree_item;  // a whole HTREEITEM: 64-bit programs may place items above 4 GiB
  std::int32_t tree_gadget;
};

// For the core's writers: the event calls, the window procedure and start-up.
EventStateRecord& EventStateMutable();
