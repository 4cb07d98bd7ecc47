// Focus restore for tab-stop navigation, run by the main window procedure.
#include "toolkit/core/focus_restore.h"

#include "toolkit/core/core_constants.h"
#include "toolkit/core/toolkit.h"

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
