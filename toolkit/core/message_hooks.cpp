// The two message hooks: a function and an enable flag each.
#include "toolkit/core/message_hooks.h"

#include <vantrel/toolkit.h>

#include "toolkit/core/core_constants.h"

namespace {

WindowProcHookFunction window_proc_hook = nullptr;
int window_proc_hook_flag = 0;
PostDispatchHookFunction post_dispatch_hook = nullptr;
int post_dispatch_hook_flag = 0;

}  // namespace

// A function of the other kind for `which` (or an unknown `which`) installs nothing: 0.
int MessageHookSet(WindowProcHookFunction function, int which) {
  if (which != HOOK_WINDOW_PROC) return 0;
  window_proc_hook = function;
  window_proc_hook_flag = HOOK_ENABLED;
  return 1;
}

int MessageHookSet(PostDispatchHookFunction function, int which) {
  if (which != HOOK_POST_DISPATCH) return 0;
  post_dispatch_hook = function;
  post_dispatch_hook_flag = HOOK_ENABLED;
  return 1;
}

int MessageHookSet(std::nullptr_t, int which) {
  if (which == HOOK_WINDOW_PROC) return MessageHookSet(WindowProcHookFunction{}, which);
  if (which == HOOK_POST_DISPATCH) return MessageHookSet(PostDispatchHookFunction{}, which);
  return 0;
}

int MessageHookClear(int which) {
  if (which == HOOK_WINDOW_PROC) window_proc_hook_flag = 0;
  if (which == HOOK_POST_DISPATCH) post_dispatch_hook_flag = 0;
  return 1;
}

bool WindowProcHookCall(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  if (window_proc_hook_flag != HOOK_ENABLED || window_proc_hook == nullptr) return false;
  const std::int64_t answer = window_proc_hook(window, message, wparam, lparam);
  if (answer == 0) return false;
  *result = static_cast<LRESULT>(answer);
  return true;
}

void PostDispatchHookCall(const MSG& message) {
  if (post_dispatch_hook_flag != HOOK_ENABLED || post_dispatch_hook == nullptr) return;
  const std::uint64_t point =
      static_cast<std::uint32_t>(message.pt.x) |
      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(message.pt.y)) << 32);
  post_dispatch_hook(message.hwnd, message.message, message.wParam, message.lParam, message.time,
                     point);
}
