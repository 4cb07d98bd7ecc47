// Message parking: slot A keeps the last interesting message, slot B the last resize.
#include "toolkit/core/message_park.h"

#include <vantrel/toolkit.h>

namespace {

PendingMessage event_slot_a = {};
PendingMessage event_slot_b = {};
HWND frame_client = nullptr;

bool IsParkedInSlotA(UINT message) {
  switch (message) {
    case WM_ACTIVATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_CLOSE:
    case WM_VKEYTOITEM:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case WM_TIMER:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MENUSELECT:
    case WM_PARENTNOTIFY:
    case WM_DROPFILES:
    case WM_HOTKEY:
    case TOOLKIT_MESSAGE:
      return true;
    default:
      return message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL;
  }
}

PendingMessage Pending(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return PendingMessage{static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window)),
                        message, static_cast<std::uint64_t>(wparam),
                        static_cast<std::uint64_t>(lparam)};
}

}  // namespace

void MessagePark(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SIZE) {
    event_slot_b = Pending(window, message, wparam, lparam);
  } else if (IsParkedInSlotA(message)) {
    event_slot_a = Pending(window, message, wparam, lparam);
  }
}

void EventSlotAStore(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  event_slot_a = Pending(window, message, wparam, lparam);
}

PendingMessage EventSlotTake() {
  PendingMessage taken;
  if (event_slot_a.message == 0 && event_slot_b.message != 0) {
    taken = event_slot_b;
    event_slot_b.message = 0;
  } else {
    taken = event_slot_a;
    event_slot_a.message = 0;
  }
  return taken;
}

HWND FrameClientSet(HWND client) {
  frame_client = client;
  return client;
}

HWND FrameClientGet() {
  return frame_client;
}
