// Per-window behaviours kept in window properties: size limits, the status bar, relaying, and
// the focus given back to the gadget Tab last reached.
#include <windows.h>

#include <vantrel/toolkit.h>

#include "toolkit/core/core_constants.h"
#include "toolkit/core/display_scale.h"
#include "toolkit/core/window_proc_handlers.h"

namespace {

std::int32_t PropInt32(HWND window, const char* name) {
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(GetPropA(window, name)));
}

// A limit that is not set (absent, or 0) keeps the system's value: an absent maximum written as
// 0 would keep the user from enlarging the window at all. In scaled mode a limit is an outer
// size in units, as a window's size is when it opens.
void LimitApply(HWND window, const char* name, LONG* limit, bool horizontal) {
  const std::int32_t value = PropInt32(window, name);
  if (value == 0) return;
  *limit = DpiScalingOn() ? DpiOuterExtent(window, value, horizontal) : value;
}

}  // namespace

bool OnMinMaxInfo(HWND window, LPARAM info) {
  if (reinterpret_cast<std::intptr_t>(GetPropA(window, PROP_MINMAX_FLAG)) != MINMAX_APPLY) {
    return false;
  }
  auto* limits = reinterpret_cast<MINMAXINFO*>(info);
  LimitApply(window, PROP_MINIMAL_WIDTH, &limits->ptMinTrackSize.x, true);
  LimitApply(window, PROP_MINIMAL_HEIGHT, &limits->ptMinTrackSize.y, false);
  LimitApply(window, PROP_MAXIMAL_WIDTH, &limits->ptMaxTrackSize.x, true);
  LimitApply(window, PROP_MAXIMAL_HEIGHT, &limits->ptMaxTrackSize.y, false);
  return true;
}

// Any program can send this message: only client-area mouse messages are relayed, so that no
// one can post a window its WM_CLOSE, WM_QUIT or a toolkit notification this way.
void OnRelayMessage(HWND window, WPARAM identifier, LPARAM message) {
  const auto relayed = static_cast<UINT>(static_cast<std::uint64_t>(message) & 0xFFFFFFFF);
  if (relayed < WM_MOUSEFIRST || relayed > WM_MOUSELAST) return;
  SetForegroundWindow(window);
  PostMessageA(window, relayed, identifier, -1);
}

void OnStatusBarResize(HWND window) {
  HWND status_bar = reinterpret_cast<HWND>(GetPropA(window, PROP_STATUSBAR_WINDOW));
  if (status_bar != nullptr) SendMessageA(status_bar, WM_SIZE, 0, 0);
}

void FocusRestoreRemember(HWND window, WPARAM activate_wparam) {
  if (LOWORD(activate_wparam) == WA_INACTIVE) return;
  auto gadget = static_cast<HWND>(GetPropA(window, PROP_TABSTOP_CURRENT_GADGET));
  // Only a registered gadget: an explorer's inner list or a bare toolbar is not restored.
  if (gadget != nullptr && GadgetIdOf(gadget) != 0) {
    SetPropA(window, PROP_TABSTOP_ACTIVE_WINDOW, gadget);
  }
}

void FocusRestoreApply(HWND window) {
  auto gadget = static_cast<HWND>(GetPropA(window, PROP_TABSTOP_ACTIVE_WINDOW));
  if (gadget == nullptr) return;
  RemovePropA(window, PROP_TABSTOP_ACTIVE_WINDOW);
  SetFocus(gadget);
}
