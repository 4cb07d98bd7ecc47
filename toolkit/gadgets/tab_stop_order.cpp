// The order of a window's tab stops, rebuilt at every key press, and the focus move along it.
#include <algorithm>

#include "toolkit/core/core_constants.h"
#include "toolkit/core/module_seams.h"
#include "toolkit/core/registries.h"
#include "toolkit/gadgets/gadget_constants.h"
#include "toolkit/gadgets/tab_stop.h"

namespace {

HWND AsWindow(std::int64_t value) {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(value));
}

bool Reachable(HWND window) {
  return IsWindowVisible(window) && IsWindowEnabled(window);
}

// The stop after `stop` (or before it), wrapping at the ends; false if it is no stop.
bool StepTarget(const TabStopOrder& order, std::int64_t stop, bool forward, std::int64_t* target) {
  const auto at = std::find(order.begin(), order.end(), stop);
  if (at == order.end()) return false;
  if (forward) {
    *target = at + 1 == order.end() ? order.front() : *(at + 1);
  } else {
    *target = at == order.begin() ? order.back() : *(at - 1);
  }
  return true;
}

bool MoveTarget(std::int64_t stop, HWND window, unsigned command, int mode, std::int64_t* target) {
  const bool tab = command == TABSTOP_NEXT || command == TABSTOP_PREVIOUS;
  const bool force = command == TABSTOP_FORCE_NEXT;
  const bool valid = (mode == TABSTOP_MODE_STEP && tab && stop != 0) ||
                     (mode == TABSTOP_MODE_FIRST && (tab || force)) ||
                     (mode == TABSTOP_MODE_FORCE && force);
  if (!valid) return false;
  TabStopOrder order;
  if (!TabStopCollect(window, order)) return false;
  if (mode == TABSTOP_MODE_FIRST) {
    *target = order.front();
    return true;
  }
  return StepTarget(order, stop, command != TABSTOP_PREVIOUS, target);
}

}  // namespace

bool TabStopCollect(HWND window, TabStopOrder& order) {
  const HandleList* stops = TabStopRegistryGet();
  if (stops == nullptr) return false;
  order.assign(TABSTOP_ORDER_SLOTS, 0);
  std::size_t count = 0;
  // Only the first child can be a toolbar stop; it takes its place by its handle.
  HWND first_child = GetWindow(window, GW_CHILD);
  if (WindowClassNameGet(first_child) == CLASS_TOOLBAR && Reachable(first_child)) {
    order[count++] = static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(first_child));
  }
  const std::uint64_t owner_key = RegistryKeyOfWindow(window);
  for (const HandleNode* node = stops->first; node != nullptr && node->next != nullptr;
       node = node->next->next) {
    const auto id = static_cast<GadgetId>(node->key);
    if (node->next->key != owner_key || id == 0 || !Reachable(GadgetWindowOf(id))) continue;
    order[count++] = id;
    if (order.size() - 1 < count) order.resize(count + TABSTOP_ORDER_GROWTH + 1);
  }
  if (count == 0) return false;
  order.resize(count);
  std::sort(order.begin(), order.end());
  return true;
}

HWND TabStopTarget(std::int64_t stop) {
  HWND as_window = AsWindow(stop);
  // Only its full handle names the toolbar: the window manager also takes the handle's low word
  // for it, and that number may well be a gadget id.
  const bool full_handle = GetWindow(GetParent(as_window), GW_CHILD) == as_window;
  if (full_handle && WindowClassNameGet(as_window) == CLASS_TOOLBAR) return as_window;
  HWND gadget = GadgetWindowOf(static_cast<GadgetId>(stop));
  if (WindowClassNameGet(gadget) != CLASS_EXPLORER_GADGET) return gadget;
  // An explorer gadget is entered through its inner list.
  return InnerControlOf(gadget);
}

void TabStopMove(std::int64_t stop, HWND window, unsigned command, int mode) {
  std::int64_t target = 0;
  if (!MoveTarget(stop, window, command, mode, &target)) return;
  HWND focus = TabStopTarget(target);
  // An explorer gadget without its record has nothing to focus: the focus stays.
  if (focus == nullptr) return;
  SetFocus(focus);
  SetPropA(window, PROP_TABSTOP_CURRENT_GADGET, focus);
}
