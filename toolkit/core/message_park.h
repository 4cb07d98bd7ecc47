// The two one-message slots between the window procedure and the event calls.
#pragma once

#include <windows.h>

#include <cstdint>

struct PendingMessage {
  std::uint64_t window;
  std::uint64_t message;  // 0: the slot is empty
  std::uint64_t wparam;
  std::uint64_t lparam;
};

// Parks the message if the application should see it: WM_SIZE in slot B, the listed
// messages in slot A; a later message replaces one not yet drained.
void MessagePark(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Stores into slot A unconditionally (copied notification records).
void EventSlotAStore(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Takes slot B when slot A is empty and B is not, else slot A (possibly empty).
PendingMessage EventSlotTake();

HWND FrameClientGet();
