// Enrolling gadgets as tab stops, with the window's three Tab shortcuts.
#include <string>

#include "toolkit/core/core_constants.h"
#include "toolkit/core/registries.h"
#include "toolkit/gadgets/gadget_constants.h"
#include "toolkit/gadgets/tab_stop.h"

namespace {

struct TabShortcut {
  std::int32_t modifiers;
  unsigned command;
};

constexpr TabShortcut kTabShortcuts[] = {
    {FVIRTKEY, TABSTOP_NEXT},
    {FSHIFT, TABSTOP_PREVIOUS},
    {FCONTROL, TABSTOP_FORCE_NEXT},
};

// The top-level window above the current one, if it is a toolkit window.
HWND ToolkitWindowAboveCurrent() {
  HWND window = CurrentWindowGet();
  for (int examined = 0; window != nullptr && examined < TABSTOP_ENROL_SEARCH_LIMIT; ++examined) {
    HWND parent = GetParent(window);
    if (parent == nullptr) {
      const bool toolkit =
          WindowClassNameGet(window).find(WINDOW_CLASS_PREFIX) != std::string::npos;
      return toolkit ? window : nullptr;
    }
    window = parent;
  }
  return nullptr;
}

bool PairEnrolled(const HandleList* stops, const std::uint64_t (&pair)[REGISTRY_PAIR]) {
  for (const HandleNode* node = stops->first; node != nullptr && node->next != nullptr;
       node = node->next->next) {
    if (node->key == pair[REGISTRY_PAIR_ID] && node->next->key == pair[REGISTRY_PAIR_WINDOW])
      return true;
  }
  return false;
}

}  // namespace

void TabStopEnrol(HWND window, GadgetId id) {
  HandleList* stops = TabStopRegistryGet();
  if (stops == nullptr || window == nullptr) return;
  // A pair enrolled twice would make Tab step from a stop onto itself for good; appended whole,
  // so that a failed append cannot shift every later pair.
  const std::uint64_t pair[REGISTRY_PAIR] = {RegistryKeyOfId(id), RegistryKeyOfWindow(window)};
  if (!PairEnrolled(stops, pair) && !HandleListAppendRecord(stops, pair, REGISTRY_PAIR)) return;
  // Once per window, for its lifetime: ShortcutRemoveAll ends its Tab navigation for good.
  if (GetPropA(window, PROP_TABSTOP_SHORTCUT) != nullptr) return;
  for (const TabShortcut& shortcut : kTabShortcuts) {
    ShortcutAdd(window, shortcut.modifiers, VK_TAB, static_cast<std::int32_t>(shortcut.command));
  }
  SetPropA(window, PROP_TABSTOP_SHORTCUT, reinterpret_cast<HANDLE>(1));
}

void TabStopEnrolGadget(GadgetId id) {
  HWND window = ToolkitWindowAboveCurrent();
  if (window != nullptr && GetPropA(window, PROP_TABSTOP_ENABLE) != nullptr) {
    TabStopEnrol(window, id);
  }
}
