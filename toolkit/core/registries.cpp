// The global registries built from handle lists, and the id/window look-ups over them.
#include "toolkit/core/registries.h"

#include <vantrel/constants.h>

namespace {

HandleList* gadget_registry = nullptr;
HandleList* class_name_registry = nullptr;
HandleList* colour_registry = nullptr;
HandleList* tab_stop_registry = nullptr;
bool registries_created = false;

// The parent of the gadgets created next; kept apart from the gadget registry so that it
// means the same before and after the first window.
HWND current_window = nullptr;

}  // namespace

HandleList* GadgetRegistryGet() {
  return gadget_registry;
}
HandleList* ClassNameRegistryGet() {
  return class_name_registry;
}
HandleList* ColourRegistryGet() {
  return colour_registry;
}
HandleList* TabStopRegistryGet() {
  return tab_stop_registry;
}
bool RegistriesCreated() {
  return registries_created;
}

void RegistriesCreate(bool with_tab_stops) {
  gadget_registry = HandleListCreate();
  class_name_registry = HandleListCreate();
  colour_registry = HandleListCreate();
  if (with_tab_stops) tab_stop_registry = HandleListCreate();
  registries_created = true;
}

std::uint64_t RegistryKeyOfId(GadgetId id) {
  return static_cast<std::uint64_t>(static_cast<std::int64_t>(id));
}

std::uint64_t RegistryKeyOfWindow(HWND window) {
  return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window));
}

HWND RegistryWindowOfKey(std::uint64_t key) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(key));
}

void GadgetUnregister(GadgetId id) {
  if (gadget_registry != nullptr) HandleListRemovePair(gadget_registry, RegistryKeyOfId(id));
}

HWND GadgetWindowOf(GadgetId id) {
  const HandleNode* node =
      HandleListFindMember(gadget_registry, RegistryKeyOfId(id), REGISTRY_PAIR, REGISTRY_PAIR_ID);
  if (node == nullptr || node->next == nullptr) return nullptr;
  return RegistryWindowOfKey(node->next->key);
}

GadgetId GadgetIdOf(HWND window) {
  if (window == nullptr) return 0;  // a gadget whose control could not be made has no window
  const HandleNode* node = HandleListFindMember(gadget_registry, RegistryKeyOfWindow(window),
                                                REGISTRY_PAIR, REGISTRY_PAIR_WINDOW);
  if (node == nullptr || node->previous == nullptr) return 0;
  return static_cast<GadgetId>(node->previous->key);
}

HWND CurrentWindowGet() {
  return current_window;
}

HWND CurrentWindowSet(HWND window) {
  current_window = window;
  return window;
}

int ColourEntryAdd(HWND control, std::int64_t background, std::int64_t text) {
  // One entry per control: a second one would be read by nothing and outlive the control.
  if (HandleNode* entry = HandleListFindMember(colour_registry, RegistryKeyOfWindow(control),
                                               REGISTRY_TRIPLE, REGISTRY_TRIPLE_CONTROL)) {
    entry->next->key = static_cast<std::uint64_t>(background);
    entry->next->next->key = static_cast<std::uint64_t>(text);
    return 1;
  }
  const std::uint64_t entry[REGISTRY_TRIPLE] = {RegistryKeyOfWindow(control),
                                                static_cast<std::uint64_t>(background),
                                                static_cast<std::uint64_t>(text)};
  return HandleListAppendRecord(colour_registry, entry, REGISTRY_TRIPLE) ? 1 : 0;
}

void TabStopEntryRemove(GadgetId id) {
  if (tab_stop_registry != nullptr) HandleListRemovePair(tab_stop_registry, RegistryKeyOfId(id));
}
