// The current event and its accessors; the "take" accessors reset their field when read.
#include "toolkit/core/event_state.h"

#include <vantrel/toolkit.h>

namespace {

// Constant-initialised: start-up writes the column-click field before any constructor runs.
EventStateRecord event_state = {};

}  // namespace

EventStateRecord& EventStateMutable() {
  return event_state;
}

std::int64_t EventSourceId() {
  return event_state.source_id;
}
std::int64_t EventLastGadgetId() {
  return event_state.last_gadget_id;
}
std::int64_t EventMouseX() {
  return event_state.mouse_x;
}
std::int64_t EventMouseY() {
  return event_state.mouse_y;
}
std::int64_t EventSizeWidth() {
  return event_state.size_width;
}
std::int64_t EventSizeHeight() {
  return event_state.size_height;
}
HWND EventSourceWindow() {
  return event_state.source_window;
}
std::int64_t EventDetail() {
  return event_state.detail;
}
std::uint64_t EventRawWParam() {
  return event_state.raw_wparam;
}
std::uint64_t EventRawLParam() {
  return event_state.raw_lparam;
}
std::int64_t EventItemColumn() {
  return event_state.item_column;
}
std::int64_t EventItemIndex() {
  return event_state.item_index;
}
std::int64_t EventItemKeyFlags() {
  return event_state.item_key_flags;
}
std::int64_t EventTreeItem() {
  return event_state.tree_item;
}

std::int64_t EventListGadgetTake() {
  const std::int64_t id = event_state.list_gadget;
  event_state.list_gadget = 0;
  return id;
}

std::int32_t EventColumnClickTake() {
  const std::int32_t column = event_state.column_click;
  event_state.column_click = COLUMN_CLICK_NONE;
  return column;
}

std::int64_t EventTreeGadgetTake() {
  const std::int64_t id = event_state.tree_gadget;
  event_state.tree_gadget = 0;
  return id;
}
