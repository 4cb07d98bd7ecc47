// MainWindowProc: the hook, parking, the close and resize answers, and the default procedure.
#include "toolkit/core/event_state.h"
#include "toolkit/core/focus_restore.h"
#include "toolkit/core/message_hooks.h"
#include "toolkit/core/message_park.h"
#include "toolkit/core/toolkit.h"

namespace {

// A close request is the application's to decide: the window stays.
bool OnClose(LRESULT* result) {
  *result = 0;
  return true;
}

void OnSize(LPARAM lparam) {
  EventStateRecord& state = EventStateMutable();
  state.size_width = LOWORD(lparam);
  state.size_height = HIWORD(lparam);
}

// Both go on to the default procedure, which focuses the window itself on activation.
void OnActivate(HWND window, WPARAM wparam) {
  FocusRestoreRemember(window, wparam);
}

void OnSetFocus(HWND window) {
  FocusRestoreApply(window);
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
  if (WindowProcHookCall(window, message, wparam, lparam, &result)) return result;

  // Parking never ends the processing: every message goes on below.
  MessagePark(window, message, wparam, lparam);

  switch (message) {
    case WM_CLOSE:
      if (OnClose(&result)) return result;
      break;
    case WM_SIZE:
      OnSize(lparam);
      break;
    case WM_ACTIVATE:
      OnActivate(window, wparam);
      break;
    case WM_SETFOCUS:
      OnSetFocus(window);
      break;
    default:
      break;
  }
  return DefaultAnswer(window, message, wparam, lparam);
}

WNDPROC MainWindowProcAddress() {
  return MainWindowProc;
}
