// What Tab, Shift+Tab and Ctrl+Tab do where they are pressed: editors keep Tab, else move on.
#include <string>

#include "toolkit/core/registries.h"
#include "toolkit/core/startup.h"
#include "toolkit/core/module_seams.h"
#include "toolkit/gadgets/gadget_constants.h"
#include "toolkit/gadgets/tab_stop.h"

namespace {

struct KeyMessage {
  UINT message;
  WPARAM key;
};

// An editor of its own gets Tab and Shift+Tab as the key presses they were.
constexpr KeyMessage kEditorTab[] = {{WM_KEYDOWN, VK_TAB}, {WM_KEYUP, VK_TAB}};
constexpr KeyMessage kEditorShiftTab[] = {
    {WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, VK_TAB}, {WM_KEYUP, VK_TAB}, {WM_KEYUP, VK_SHIFT}};

constexpr WPARAM kTabCharacter = '\t';

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// True when the focused control uses Tab itself and has been given the key.
bool EditorKeepsTab(HWND focus, unsigned command) {
  const std::string name = UpperAscii(WindowClassNameGet(focus));
  for (const char* rich_edit : TABSTOP_RICH_EDIT_CLASSES) {
    if (name != rich_edit) continue;
    if ((GetWindowLongPtrA(focus, GWL_STYLE) & ES_READONLY) != 0) return false;
    SendMessageA(focus, WM_CHAR, kTabCharacter, 0);
    return true;
  }
  if (name != TABSTOP_EDITOR_CLASS) return false;
  if (command == TABSTOP_PREVIOUS) {
    for (const KeyMessage& key : kEditorShiftTab) SendMessageA(focus, key.message, key.key, 0);
  } else {
    for (const KeyMessage& key : kEditorTab) SendMessageA(focus, key.message, key.key, 0);
  }
  return true;
}

// The stop value of the focused control, or 0 when it is no known stop. Any window's stops
// count here: the step itself then looks only at `window`'s own.
std::int64_t StopOf(HWND focus) {
  if (WindowClassNameGet(focus) == CLASS_TOOLBAR) {
    return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(focus));
  }
  const GadgetId id = GadgetIdOf(focus);
  if (id == 0 || HandleListFind(TabStopRegistryGet(), RegistryKeyOfId(id)) == nullptr) return 0;
  return id;
}

// The stop that holds the focus: the focused control itself, or the nearest of its parents that
// is a stop (the edit inside a drop-down combo box, the list inside an explorer gadget).
std::int64_t StopHolding(HWND focus, HWND window) {
  for (HWND held = focus; held != nullptr && held != window; held = GetParent(held)) {
    if (const std::int64_t stop = StopOf(held)) return stop;
  }
  return 0;
}

}  // namespace

void TabStopNavigate(HWND window, unsigned command) {
  if (TabStopRegistryGet() == nullptr) return;
  HWND focus = GetFocus();  // none, or the window itself: no stop holds it, the first is focused
  // Ctrl+Tab moves on even out of an editor.
  if (command != TABSTOP_FORCE_NEXT && EditorKeepsTab(focus, command)) return;
  const std::int64_t stop = StopHolding(focus, window);
  const int mode = command == TABSTOP_FORCE_NEXT ? TABSTOP_MODE_FORCE : TABSTOP_MODE_STEP;
  TabStopMove(stop, window, command, stop == 0 ? TABSTOP_MODE_FIRST : mode);
}

void TabStopInit() {
  TabStopCommandHandlerSet(&TabStopNavigate);
}
