// Giving the focus back to the gadget last reached by Tab when a window is activated again.
#pragma once

#include <windows.h>

// On activation: remembers the window's last Tab-focused gadget, if it is a registered one.
void FocusRestoreRemember(HWND window, WPARAM activate_wparam);

// On the window's own focus: hands it on to the remembered gadget, once.
void FocusRestoreApply(HWND window);
