// EventWait and EventPoll: report what was parked, else pump one message with its shortcuts.
#include <vantrel/toolkit.h>

#include "toolkit/core/event_pump_seam.h"
#include "toolkit/core/event_state.h"
#include "toolkit/core/event_translate.h"
#include "toolkit/core/message_hooks.h"
#include "toolkit/core/message_park.h"
#include "toolkit/core/shortcut_table.h"
#include "toolkit/core/startup.h"
#include "toolkit/core/window_release.h"

namespace {

MSG current_message = {};
std::int64_t throttle_calls = 0;
ThrottleSleepFunction throttle_sleep = Sleep;
constexpr DWORD kThrottleSleepMilliseconds = 1;

HWND TopmostAncestor(HWND window) {
  HWND top = window;
  for (HWND parent = GetParent(top); parent != nullptr; parent = GetParent(top)) top = parent;
  return top;
}

// The last entry whose window is the message's window or its topmost ancestor decides.
bool ShortcutTranslate(MSG* message) {
  HWND target = nullptr;
  HACCEL table = nullptr;
  const ShortcutEntry* entries = ShortcutTableEntries();
  const std::int32_t last = ShortcutTableLast();
  const std::int32_t size = ShortcutTableSize();
  HWND top = nullptr;
  bool top_known = false;
  for (std::int32_t i = 0; i <= last && i < size; ++i) {
    const ShortcutEntry& entry = entries[i];
    if (entry.window == message->hwnd) {
      target = message->hwnd;
      table = entry.table;
      continue;
    }
    if (!top_known) {
      top = TopmostAncestor(message->hwnd);
      top_known = true;
    }
    if (top == entry.window) {
      target = top;
      table = entry.table;
    }
  }
  return TranslateAcceleratorA(target, table, message) != 0;
}

std::int32_t EventNext(bool wait) {
  // Windows destroyed since the last call have gone by now: their classes can go too.
  WindowClassesUnregisterPending();
  EventStateRecord& state = EventStateMutable();
  state.code = EVENT_NONE;
  state.source_window = nullptr;
  state.source_id = 0;
  state.mouse_x = 0;
  state.mouse_y = 0;

  const PendingMessage pending = EventSlotTake();
  state.raw_wparam = pending.wparam;
  state.raw_lparam = pending.lparam;
  EventTranslate(pending);
  if (state.code != EVENT_NONE) return state.code;

  const BOOL got = wait ? GetMessageA(&current_message, nullptr, 0, 0)
                        : PeekMessageA(&current_message, nullptr, 0, 0, PM_REMOVE);
  if (got <= 0) return state.code;

  if (ShortcutTableInUse() != 1 || !ShortcutTranslate(&current_message)) {
    TranslateMessage(&current_message);
    DispatchMessageA(&current_message);
  }
  PostDispatchHookCall(current_message);
  // Whatever the dispatch parked is reported by the next call.
  return state.code;
}

}  // namespace

// Brings the start-up runner into every program that waits for or polls events.
const char* const EventPumpStartupLink = &ToolkitStartupLink;

std::int32_t EventWait() {
  return EventNext(true);
}

std::int32_t EventPoll() {
  return EventNext(false);
}

MSG* EventMessageRecord() {
  return &current_message;
}

void EventPollThrottle(std::int64_t n) {
  ++throttle_calls;
  if (throttle_calls >= n) {
    throttle_sleep(kThrottleSleepMilliseconds);
    throttle_calls = 0;
  }
}

void EventPollThrottleSleepSet(ThrottleSleepFunction sleep) {
  throttle_sleep = sleep != nullptr ? sleep : Sleep;
}
