// Ordering of a scan: the shared sort array, the key sorts and the rebuild in display order.
#include "toolkit/explorer/explorer_sort.h"

#include <climits>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "toolkit/explorer/explorer_gadget_data.h"
#include "toolkit/explorer/index_stack.h"

namespace {

// Slots 0 to n - 1 hold borrowed pointers into the sorted list; slot n stays empty.
std::vector<ExplorerEntry*> sort_array;
// The list the slots point into, whose nodes and texts the rebuild takes.
ExplorerEntryList* sorted_list = nullptr;

// Each key is copied beside its entry's slot before a sort: comparing then reads one array in
// order instead of entries all over the list, which halves the time of a big sort.
struct SizeKey {
  using Value = uint64_t;
  static Value Of(const ExplorerEntry* entry) { return entry->size; }
  static bool Less(Value left, Value right) { return left < right; }
};

// Up to three bytes and the zero, packed high byte first: integers that order as strcmp does.
struct ExtensionKey {
  using Value = uint32_t;
  static Value Of(const ExplorerEntry* entry) {
    Value packed = 0;
    bool ended = false;
    for (const char byte : entry->extension) {
      ended = ended || byte == '\0';
      packed = (packed << CHAR_BIT) | (ended ? 0u : static_cast<unsigned char>(byte));
    }
    return packed;
  }
  static bool Less(Value left, Value right) { return left < right; }
};

// Byte-wise, unsigned, shorter-first: strcmp on key texts, which never move during a sort.
struct ModifiedKey {
  using Value = const char*;
  static Value Of(const ExplorerEntry* entry) { return entry->modifiedKey; }
  static bool Less(Value left, Value right) { return std::strcmp(left, right) < 0; }
};

template <typename Key>
struct KeyedSlot {
  typename Key::Value key;
  ExplorerEntry* entry;
};

// Iterative quicksort, Hoare partition around the middle slot's key, pending ranges kept as
// index pairs on an IndexStack instead of recursing.
template <typename Key>
void QuickSort(int64_t low, int64_t high) {
  std::vector<KeyedSlot<Key>> slots;
  try {
    slots.reserve(static_cast<std::size_t>(high - low + 1));
  } catch (const std::bad_alloc&) {
    return;  // no room to sort in: the slots keep every entry once, in the fill order
  }
  for (int64_t k = low; k <= high; ++k) {
    ExplorerEntry* entry = sort_array[static_cast<std::size_t>(k)];
    slots.push_back({Key::Of(entry), entry});
  }
  IndexStack stack;
  IndexStackInit(&stack, EXPLORER_SORT_STACK_STEP);
  bool pushed =
      IndexStackPush(&stack, 0) && IndexStackPush(&stack, static_cast<uint64_t>(high - low));
  while (pushed && IndexStackCount(&stack) > 0) {
    const int64_t right = static_cast<int64_t>(IndexStackPop(&stack));
    const int64_t left = static_cast<int64_t>(IndexStackPop(&stack));
    if (left > right) continue;
    int64_t i = left;
    int64_t j = right;
    const typename Key::Value pivot =
        slots[static_cast<std::size_t>(left + (right - left) / 2)].key;
    while (i <= j) {
      while (Key::Less(slots[static_cast<std::size_t>(i)].key, pivot)) ++i;
      while (Key::Less(pivot, slots[static_cast<std::size_t>(j)].key)) --j;
      if (i <= j) {
        std::swap(slots[static_cast<std::size_t>(i)], slots[static_cast<std::size_t>(j)]);
        ++i;
        --j;
      }
    }
    if (left < j) {
      pushed = IndexStackPush(&stack, static_cast<uint64_t>(left)) &&
               IndexStackPush(&stack, static_cast<uint64_t>(j));
    }
    if (pushed && i < right) {
      pushed = IndexStackPush(&stack, static_cast<uint64_t>(i)) &&
               IndexStackPush(&stack, static_cast<uint64_t>(right));
    }
  }
  // Out of room for pending ranges: the slots still hold every entry once, partly ordered.
  // Drain the rest so that the storage is released.
  while (IndexStackCount(&stack) > 0) IndexStackPop(&stack);
  for (std::size_t k = 0; k < slots.size(); ++k) {
    sort_array[static_cast<std::size_t>(low) + k] = slots[k].entry;
  }
}

// Moves the node to the end of the list (its texts came with the list's blocks) as appending
// its fields would leave it: its true size back, numbered on, its date key dropped.
void RebuildMove(ExplorerEntryList* list, const ExplorerEntry* entry, int32_t sizeRaised) {
  if (entry == nullptr) return;
  ExplorerEntry moved = *entry;
  if (moved.sizeRaised == 1) moved.size = 0;
  moved.sizeRaised = 0;
  if (moved.kind == ENTRY_KIND_FILE && sizeRaised == 0 && moved.size == 0) {
    moved.size = 1;
    moved.sizeRaised = 1;
  }
  moved.modifiedKey = EXPLORER_REBUILT_KEY;
  moved.sequence = static_cast<int64_t>(list->entries.size()) + 1;
  list->entries.push_back(moved);  // room was reserved
}

// Room the list kept from a bigger listing goes.
void RoomFit(ExplorerEntryList* list) {
  if (list->entries.capacity() > 2 * list->entries.size()) list->entries.shrink_to_fit();
}

bool IsDotDot(const ExplorerEntry* entry) {
  return std::strcmp(entry->name, EXPLORER_DOT_DOT) == 0;
}

// Moves the n sorted entries of `from`, with its texts, to the end of the list in display
// order; false, with nothing moved, when the list has no room for them.
bool SortedMove(ExplorerEntryList* list, ExplorerEntryList* from, int64_t n) {
  try {
    list->entries.reserve(list->entries.size() + static_cast<std::size_t>(n));
  } catch (const std::bad_alloc&) {
    return false;
  }
  list->texts.TakeFrom(&from->texts);
  list->folder = from->folder;
  if (list->ascending == EXPLORER_ASCENDING) {
    for (int64_t slot = 0; slot < n; ++slot) {
      const ExplorerEntry* entry = sort_array[static_cast<std::size_t>(slot)];
      RebuildMove(list, entry, entry->sizeRaised);
    }
  } else {
    int64_t last = 0;
    if (IsDotDot(sort_array[0])) {
      RebuildMove(list, sort_array[0], 0);
      last = 1;
    }
    for (int64_t slot = n - 1; slot >= last; --slot) {
      const ExplorerEntry* entry = sort_array[static_cast<std::size_t>(slot)];
      RebuildMove(list, entry, entry->sizeRaised);
    }
  }
  return true;
}

}  // namespace

void ExplorerSortRange(int64_t low, int64_t high, ExplorerSortKey key) {
  // Only slots that hold entries are ever ordered.
  if (low < 0) low = 0;
  if (high > ExplorerSortArrayCount() - 1) high = ExplorerSortArrayCount() - 1;
  if (low > high) return;
  switch (key) {
    case ExplorerSortKey::Size:
      QuickSort<SizeKey>(low, high);
      break;
    case ExplorerSortKey::Extension:
      QuickSort<ExtensionKey>(low, high);
      break;
    case ExplorerSortKey::ModifiedKey:
      QuickSort<ModifiedKey>(low, high);
      break;
  }
}

void ExplorerEntriesSort(ExplorerEntryList* scanList, int64_t count) {
  // Without a current gadget the scan list keeps the column it last sorted by.
  const ExplorerGadgetData* current = ExplorerCurrentGet();
  if (current != nullptr && current->entries != nullptr) {
    scanList->sortMode = current->entries->sortMode;
  }
  // Never more slots than the list holds entries, so the fill cannot run off its end.
  const int64_t held = ExplorerEntryListCount(scanList);
  if (count > held) count = held;
  if (count < 0) count = 0;
  sorted_list = scanList;
  try {
    sort_array.assign(static_cast<std::size_t>(count) + 1, nullptr);
  } catch (const std::bad_alloc&) {
    // No array, nothing to sort: the rebuild then moves no entry.
    sort_array.clear();
    return;
  }
  ExplorerEntry* entries = scanList->entries.data();
  int64_t start = 0;
  if (count > 0 && IsDotDot(&entries[0])) {
    sort_array[0] = &entries[0];
    start = 1;
  }
  // From the last entry backwards.
  const int64_t held_last = held - 1;
  for (int64_t slot = start; slot < count; ++slot) {
    sort_array[static_cast<std::size_t>(slot)] = &entries[held_last - (slot - start)];
  }
  // A column outside the four keeps the fill order, as the name column does.
  switch (scanList->sortMode) {
    case EXPLORER_SORT_SIZE:
      ExplorerSortRange(start, count - 1, ExplorerSortKey::Size);
      break;
    case EXPLORER_SORT_TYPE:
      ExplorerSortRange(start, count - 1, ExplorerSortKey::Extension);
      break;
    case EXPLORER_SORT_MODIFIED:
      ExplorerSortRange(start, count - 1, ExplorerSortKey::ModifiedKey);
      break;
    default:
      break;
  }
}

void ExplorerEntriesRebuild(ExplorerEntryList* list) {
  const int64_t n = ExplorerSortArrayCount();
  ExplorerEntryList* from = sorted_list;
  if (n > 0 && from != nullptr && from != list && SortedMove(list, from, n)) {
    // The nodes are the list's now: the sorted list and the slots let go of them, so that no
    // second rebuild can take them again.
    ExplorerEntryListClear(from);
    std::vector<ExplorerEntry*>().swap(sort_array);
    sorted_list = nullptr;
  }
  RoomFit(list);
}

int64_t ExplorerSortArrayCount() {
  return sort_array.empty() ? 0 : static_cast<int64_t>(sort_array.size()) - 1;
}
