// The seams through which the gadgets and the explorer install behaviour the core calls.
#include "toolkit/core/module_seams.h"

namespace {

TabStopCommandHandler tab_stop_handler = nullptr;
InnerControlResolver inner_control_resolver = nullptr;
WindowReleaseHandler window_gadgets_release = nullptr;
WindowReleaseHandler window_release = nullptr;
WindowLayoutHandler window_layout = nullptr;

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

void WindowReleaseHandlersSet(WindowReleaseHandler gadgets, WindowReleaseHandler window) {
  window_gadgets_release = gadgets;
  window_release = window;
}

void WindowGadgetsReleaseRun(HWND window) {
  if (window_gadgets_release != nullptr) window_gadgets_release(window);
}

void WindowReleaseRun(HWND window) {
  if (window_release != nullptr) window_release(window);
}

void WindowLayoutHandlerSet(WindowLayoutHandler handler) {
  window_layout = handler;
}

void WindowLayoutRun(HWND window, int width, int height) {
  if (window_layout != nullptr) window_layout(window, width, height);
}
