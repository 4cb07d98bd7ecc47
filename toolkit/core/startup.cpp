// Runs the toolkit's module initialisers once, in their fixed order, before main.
#include "toolkit/core/startup.h"

#include <clocale>

namespace {

// The order is written down here because the order of static initialisation across files is
// unspecified: the scan list first, the core's own start-up last.
constexpr void (*kInitialisers[])() = {
    ExplorerScanListInit,
    ShortcutMasterInit,
    TabStopInit,
    ImageLoaderInit,
    ToolkitStartup,
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
