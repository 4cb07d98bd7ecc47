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

// A first SetScrollPos that returns 0 means no scroll-bar control, or one that was at 0: in
// both cases the window's own bar moves too. SetScrollPos clamps to the bar's range.
void OnScrollStep(HWND window, UINT message, WPARAM code, LPARAM control) {
  HWND bar_control = reinterpret_cast<HWND>(control);
  EventStateMutable().source_window = bar_control;
  const int bar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
  int delta = 0;
  switch (LOWORD(code)) {
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      const int position = HIWORD(code);
      if (SetScrollPos(bar_control, SB_CTL, position, TRUE) == 0) {
        SetScrollPos(window, bar, position, TRUE);
      }
      return;
    }
    case SB_LINEDOWN:
      delta = 1;
      break;
    case SB_LINEUP:
      delta = -1;
      break;
    case SB_PAGEDOWN:
      delta = PageStep(bar_control);
      break;
    case SB_PAGEUP:
      delta = -PageStep(bar_control);
      break;
    default:
      return;
  }
  if (SetScrollPos(bar_control, SB_CTL, GetScrollPos(bar_control, SB_CTL) + delta, TRUE) == 0) {
    SetScrollPos(window, bar, GetScrollPos(window, bar) + delta, TRUE);
  }
}
