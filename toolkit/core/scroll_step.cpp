// Scroll-bar stepping: the page step kept in "pagestep", and the window procedure's stepping.
#include <vantrel/toolkit.h>

#include "toolkit/core/core_constants.h"
#include "toolkit/core/event_state.h"
#include "toolkit/core/window_proc_handlers.h"

namespace {

constexpr int kDefaultPageStep = 10;

int PageStep(HWND control) {
  const auto step =
      static_cast<int>(reinterpret_cast<std::intptr_t>(GetPropA(control, PROP_PAGE_STEP)));
  return step == 0 ? kDefaultPageStep : step;
}

}  // namespace

int ScrollPageStepSetHandle(HWND window, std::int64_t step) {
  return SetPropA(window, PROP_PAGE_STEP,
                  reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(step)));
}

int ScrollPageStepSet(GadgetId id, std::int64_t step) {
  return ScrollPageStepSetHandle(GadgetWindowOf(id), step);
}

// A trackbar or an up-down sends these messages too, with its own handle: only a scroll-bar
// control moves its bar, and the window's own bar moves only for its own messages (no control).
// SetScrollPos clamps to the bar's range.
void OnScrollStep(HWND window, UINT message, WPARAM code, LPARAM control) {
  HWND bar_control = reinterpret_cast<HWND>(control);
  EventStateMutable().source_window = bar_control;
  HWND owner = bar_control != nullptr ? bar_control : window;
  int bar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
  if (bar_control != nullptr) {
    if (GadgetKindOf(bar_control) != GADGET_KIND_SCROLLBAR) return;
    bar = SB_CTL;
  }
  int position = GetScrollPos(owner, bar);
  switch (LOWORD(code)) {
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      position = HIWORD(code);
      break;
    case SB_LINEDOWN:
      position += 1;
      break;
    case SB_LINEUP:
      position -= 1;
      break;
    case SB_PAGEDOWN:
      position += PageStep(bar_control);
      break;
    case SB_PAGEUP:
      position -= PageStep(bar_control);
      break;
    default:
      return;
  }
  SetScrollPos(owner, bar, position, TRUE);
}
