// What the gadgets module releases when a toolkit window is destroyed: gadgets and shortcuts.
#include <utility>
#include <vector>

#include "toolkit/core/module_seams.h"
#include "toolkit/core/registries.h"
#include "toolkit/gadgets/gadget_constants.h"
#include "toolkit/gadgets/gadget_registry.h"
#include "toolkit/gadgets/shortcuts.h"

namespace {

// The gadgets in the window (or the window itself, if it was registered as one), released as
// GadgetFree would, while the system destroys their windows. Pop-ups the window owns (a
// tooltip) are destroyed before it gets WM_DESTROY: a gadget whose window is gone goes too.
void WindowGadgetsRelease(HWND window) {
  const HandleList* registry = GadgetRegistryGet();
  if (registry == nullptr) return;
  // Collected first: a release can destroy other windows (an up-down's buddy) and so change
  // the registry under a walk.
  std::vector<std::pair<GadgetId, HWND>> held;
  for (const HandleNode* id = registry->first; id != nullptr && id->next != nullptr;
       id = id->next->next) {
    HWND gadget = RegistryWindowOfKey(id->next->key);
    if (gadget == window || (gadget != nullptr && !IsWindow(gadget)) || IsChild(window, gadget) ||
        GetWindow(gadget, GW_OWNER) == window) {
      held.emplace_back(static_cast<GadgetId>(id->key), gadget);
    }
  }
  for (const auto& [id, gadget] : held) {
    if (GadgetWindowOf(id) == gadget) GadgetRelease(id, false);
  }
}

void WindowShortcutsRelease(HWND window) {
  ShortcutMasterForget(window);
  RemovePropA(window, PROP_TABSTOP_SHORTCUT);
}

}  // namespace

void WindowReleaseInit() {
  WindowReleaseHandlersSet(&WindowGadgetsRelease, &WindowShortcutsRelease);
}
