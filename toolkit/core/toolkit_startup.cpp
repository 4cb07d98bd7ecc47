// The core's start-up: the pump's shortcut table, the notification copies, no column clicked.
#include "toolkit/core/event_state.h"
#include "toolkit/core/notify_blocks.h"
#include "toolkit/core/shortcut_table.h"
#include "toolkit/core/startup.h"
#include "toolkit/core/toolkit.h"

void ToolkitStartup() {
  ShortcutTableCreate();
  NotifyCopyBlocksCreate();
  EventStateMutable().column_click = COLUMN_CLICK_NONE;
}
