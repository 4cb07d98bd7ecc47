// The handlers that MainWindowProc calls, one per message; each answers only what it names.
#pragma once

#include <windows.h>

// WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC: true with the
// brush in *result for a control with colours; false leaves the control to the default answer.
bool OnColourRequest(HWND window, UINT message, WPARAM dc, LPARAM control, LRESULT* result);

// WM_GETMINMAXINFO: true when the window's own limits were written.
bool OnMinMaxInfo(HWND window, LPARAM info);

// RELAY_MESSAGE: an outside program's mouse message, posted to the window as its own.
void OnRelayMessage(HWND window, WPARAM identifier, LPARAM message);

// WM_HSCROLL, WM_VSCROLL: steps the scroll bar (or the window's own bar).
void OnScrollStep(HWND window, UINT message, WPARAM code, LPARAM control);

// WM_SIZE: the window's status bar re-lays itself out.
void OnStatusBarResize(HWND window);

// WM_NOTIFY: control notifications parked or posted as toolkit notifications.
void OnControlNotify(HWND window, WPARAM wparam, LPARAM header);

// WM_ACTIVATE: remembers the window's last Tab-focused gadget, if it is a registered one.
void FocusRestoreRemember(HWND window, WPARAM activate_wparam);

// WM_SETFOCUS: hands the window's own focus on to the remembered gadget, once.
void FocusRestoreApply(HWND window);

// WM_DPICHANGED (scaled mode, top-level windows): the window takes the suggested place, its
// gadgets their places at the new DPI, fonts and images follow, and an event is posted. False
// leaves the message to the default procedure.
bool OnDpiChanged(HWND window, WPARAM dpi, LPARAM suggested);

// WM_DESTROY: the gadgets in the window are released while they still exist.
void OnDestroy(HWND window);

// WM_NCDESTROY: the window's shortcuts, stops, colour entries, properties and class go, so
// that nothing is left behind and a later window with the same handle inherits nothing.
void OnNcDestroy(HWND window);
