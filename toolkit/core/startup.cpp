// Runs the toolkit's module initialisers once, in their fixed order, before main; and the
// core's own start-up among them.
#include "toolkit/core/startup.h"

#include <clocale>

#include <vantrel/toolkit.h>

#include "toolkit/core/event_state.h"
#include "toolkit/core/notify_blocks.h"
#include "toolkit/core/shortcut_table.h"

namespace {

// The order is written down here because the order of static initialisation across files is
// unspecified: the scan list first, the core's own start-up last.
constexpr void (*kInitialisers[])() = {
    ExplorerScanListInit, ExplorerWindowsInit, ShortcutMasterInit,
    TabStopInit,          WindowReleaseInit,   GadgetLayoutInit,
    GadgetDpiInit,        ExplorerDpiInit,     ToolkitStartup,
};

struct StartupRunner {
  StartupRunner() {
    // Character classes (the explorer's lower-cased extensions) follow the user's locale.
    std::setlocale(LC_CTYPE, "");
    for (auto initialiser : kInitialisers) initialiser();
  }
};

const StartupRunner startup_runner;

}  // namespace

const char ToolkitStartupLink = 0;

// The pump's shortcut table, the notification copies, and no column clicked yet.
void ToolkitStartup() {
  ShortcutTableCreate();
  NotifyCopyBlocksCreate();
  EventStateMutable().column_click = COLUMN_CLICK_NONE;
}
