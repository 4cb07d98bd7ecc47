// Hands TABSTOP_NEXT, TABSTOP_PREVIOUS and TABSTOP_FORCE_NEXT to the installed navigation.
#include "toolkit/core/tab_stop_seam.h"

namespace {

TabStopCommandHandler tab_stop_handler = nullptr;

}  // namespace

void TabStopCommandHandlerSet(TabStopCommandHandler handler) {
  tab_stop_handler = handler;
}

void TabStopCommandRun(HWND window, unsigned command) {
  if (tab_stop_handler != nullptr) tab_stop_handler(window, command);
}
