// MainWindowProc: a thin switch that hands each message to its handler, then to the default.
#include <vantrel/toolkit.h>

#include "toolkit/core/display_scale.h"
#include "toolkit/core/event_state.h"
#include "toolkit/core/message_hooks.h"
#include "toolkit/core/message_park.h"
#include "toolkit/core/module_seams.h"
#include "toolkit/core/window_proc_handlers.h"

namespace {

// A close request is the application's to decide: the window stays.
bool OnClose(LRESULT* result) {
  *result = 0;
  return true;
}

void OnSize(HWND window, WPARAM kind, LPARAM lparam) {
  EventStateRecord& state = EventStateMutable();
  // In units, as every size the application is told.
  const UINT dpi = DpiOfWindow(window);
  state.size_width = DpiUnscale(LOWORD(lparam), dpi);
  state.size_height = DpiUnscale(HIWORD(lparam), dpi);
  // A minimised window keeps its layout for when it comes back.
  if (kind != SIZE_MINIMIZED) WindowLayoutRun(window, LOWORD(lparam), HIWORD(lparam));
}

// Both go on to the default procedure, which focuses the window itself on activation.
void OnActivate(HWND window, WPARAM wparam) {
  FocusRestoreRemember(window, wparam);
}

void OnSetFocus(HWND window) {
  FocusRestoreApply(window);
}

void OnWindowGoing(HWND window, UINT message) {
  if (message == WM_DESTROY) OnDestroy(window);
  if (message == WM_NCDESTROY) OnNcDestroy(window);
}

LRESULT DefaultAnswer(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  HWND client = FrameClientGet();
  if (client != nullptr && GetParent(client) == window) {
    return DefFrameProcA(window, client, message, wparam, lparam);
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (WindowProcHookCall(window, message, wparam, lparam, &result)) {
    // The window goes whatever the hook answers: what it holds is released all the same.
    OnWindowGoing(window, message);
    return result;
  }

  // Parking never ends the processing: every message goes on below. (No colour request is
  // ever parked, so answering those after this point changes nothing.)
  MessagePark(window, message, wparam, lparam);

  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      if (OnColourRequest(window, message, wparam, lparam, &result)) return result;
      break;
    case WM_GETMINMAXINFO:
      if (OnMinMaxInfo(window, lparam)) return 0;
      break;
    case RELAY_MESSAGE:
      OnRelayMessage(window, wparam, lparam);
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      OnScrollStep(window, message, wparam, lparam);
      break;
    case WM_CLOSE:
      if (OnClose(&result)) return result;
      break;
    case WM_SIZE:
      OnStatusBarResize(window);
      OnSize(window, wparam, lparam);
      break;
    case WM_DPICHANGED:
      if (OnDpiChanged(window, wparam, lparam)) return 0;
      break;
    case WM_NOTIFY:
      OnControlNotify(window, wparam, lparam);
      break;
    case WM_ACTIVATE:
      OnActivate(window, wparam);
      break;
    case WM_SETFOCUS:
      OnSetFocus(window);
      break;
    case WM_DESTROY:
    case WM_NCDESTROY:
      OnWindowGoing(window, message);
      break;
    default:
      break;
  }
  return DefaultAnswer(window, message, wparam, lparam);
}

WNDPROC MainWindowProcAddress() {
  return MainWindowProc;
}
