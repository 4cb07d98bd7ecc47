// The seams through which the gadgets and the explorer install behaviour the core calls.
#include "toolkit/core/module_seams.h"

namespace {

TabStopCommandHandler tab_stop_handler = nullptr;
InnerControlResolver inner_control_resolver = nullptr;

}  // namespace

void TabStopCommandHandlerSet(TabStopCommandHandler handler) {
  tab_stop_handler = handler;
}

void TabStopCommandRun(HWND window, unsigned command) {
  if (tab_stop_handler != nullptr) tab_stop_handler(window, command);
}

void InnerControlResolverSet(InnerControlResolver resolver) {
  inner_control_resolver = resolver;
}

HWND InnerControlOf(HWND window) {
  if (inner_control_resolver == nullptr || window == nullptr) return nullptr;
  return inner_control_resolver(window);
}
