// The global registries built from handle lists, and the id/window look-ups over them.
#include "toolkit/core/registries.h"

#include <new>
#include <unordered_map>

#include <vantrel/constants.h>

namespace {

HandleList* gadget_registry = nullptr;
HandleList* class_name_registry = nullptr;
HandleList* colour_registry = nullptr;
HandleList* tab_stop_registry = nullptr;
bool registries_created = false;

// The first record of each id and of each window in the gadget registry, so that a look-up
// costs the same for the last of 5,000 gadgets as for the first. Counted: a removal leaves
// another record of its key only where one was entered twice, and then the list says which
// comes first. After memory ran out the look-ups walk the list, as they once all did.
struct IndexEntry {
  HandleNode* record;
  std::size_t count;
};
std::unordered_map<std::uint64_t, IndexEntry> by_id;
std::unordered_map<std::uint64_t, IndexEntry> by_window;
bool index_valid = true;

HandleNode* FirstRecord(std::uint64_t key, int member) {
  HandleNode* node = HandleListFindMember(gadget_registry, key, REGISTRY_PAIR, member);
  return node != nullptr && member == REGISTRY_PAIR_WINDOW ? node->previous : node;
}

void IndexAdd(std::unordered_map<std::uint64_t, IndexEntry>& index, std::uint64_t key,
              HandleNode* record) {
  ++index.try_emplace(key, IndexEntry{record, 0}).first->second.count;
}

void IndexRemove(std::unordered_map<std::uint64_t, IndexEntry>& index, std::uint64_t key,
                 const HandleNode* removed, int member) {
  const auto found = index.find(key);
  if (found == index.end()) return;
  if (--found->second.count == 0) {
    index.erase(found);
  } else if (found->second.record == removed) {
    found->second.record = FirstRecord(key, member);
  }
}

// The first record of the key at that member: from the index, or by walking the list.
const HandleNode* RecordOf(std::uint64_t key, int member) {
  if (!index_valid) return FirstRecord(key, member);
  const auto& index = member == REGISTRY_PAIR_ID ? by_id : by_window;
  const auto found = index.find(key);
  return found != index.end() ? found->second.record : nullptr;
}

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

bool GadgetRegistryAppend(GadgetId id, HWND window) {
  const std::uint64_t pair[REGISTRY_PAIR] = {RegistryKeyOfId(id), RegistryKeyOfWindow(window)};
  if (!HandleListAppendRecord(gadget_registry, pair, REGISTRY_PAIR)) return false;
  HandleNode* record = gadget_registry->last->previous;
  if (!index_valid) return true;
  try {
    IndexAdd(by_id, pair[REGISTRY_PAIR_ID], record);
    IndexAdd(by_window, pair[REGISTRY_PAIR_WINDOW], record);
  } catch (const std::bad_alloc&) {
    index_valid = false;
    by_id.clear();
    by_window.clear();
  }
  return true;
}

void GadgetUnregister(GadgetId id) {
  if (gadget_registry == nullptr) return;
  const std::uint64_t key = RegistryKeyOfId(id);
  const HandleNode* record = RecordOf(key, REGISTRY_PAIR_ID);
  if (record == nullptr) return;
  const std::uint64_t window = record->next->key;
  // The first record of the id goes: the one the index names.
  HandleListRemovePair(gadget_registry, key);
  if (!index_valid) return;
  IndexRemove(by_id, key, record, REGISTRY_PAIR_ID);
  IndexRemove(by_window, window, record, REGISTRY_PAIR_WINDOW);
}

HWND GadgetWindowOf(GadgetId id) {
  if (gadget_registry == nullptr) return nullptr;
  const HandleNode* record = RecordOf(RegistryKeyOfId(id), REGISTRY_PAIR_ID);
  if (record == nullptr || record->next == nullptr) return nullptr;
  return RegistryWindowOfKey(record->next->key);
}

GadgetId GadgetIdOf(HWND window) {
  if (window == nullptr || gadget_registry == nullptr)
    return 0;  // a gadget whose control could not be made has no window
  const HandleNode* record = RecordOf(RegistryKeyOfWindow(window), REGISTRY_PAIR_WINDOW);
  return record != nullptr ? static_cast<GadgetId>(record->key) : 0;
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
