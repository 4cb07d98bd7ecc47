// Ordering of a scan: the shared sort array, the key sorts and the rebuild in display order.
#include "toolkit/explorer/explorer_sort.h"

#include <cstring>
#include <new>
#include <vector>

#include "toolkit/explorer/explorer_gadget_data.h"
#include "toolkit/explorer/index_stack.h"

namespace {

// Slots 0 to n - 1 hold borrowed pointers into the sorted list; slot n stays empty.
std::vector<ExplorerEntry*> sort_array;
// The list the slots point into, whose nodes and texts the rebuild takes.
ExplorerEntryList* sorted_list = nullptr;

// Byte-wise, unsigned, shorter-first: exactly strcmp on texts without inner zero bytes.
bool TextLess(const char* left, const char* right) {
  return std::strcmp(left, right) < 0;
}

// A text key's pivot is copied, so that swapping slots cannot change it.
template <std::size_t Size>
struct TextPivot {
  char text[Size];
};

struct SizeKey {
  using Pivot = uint64_t;
  static Pivot PivotOf(const ExplorerEntry* entry) { return entry->size; }
  static bool Below(const ExplorerEntry* entry, Pivot pivot) { return entry->size < pivot; }
  static bool Above(const ExplorerEntry* entry, Pivot pivot) { return pivot < entry->size; }
};

struct ExtensionKey {
  using Pivot = TextPivot<ENTRY_EXTENSION_SIZE>;
  static Pivot PivotOf(const ExplorerEntry* entry) {
    Pivot pivot;
    std::memcpy(pivot.text, entry->extension, sizeof(pivot.text));
    return pivot;
  }
  static bool Below(const ExplorerEntry* entry, const Pivot& pivot) {
    return TextLess(entry->extension, pivot.text);
  }
  static bool Above(const ExplorerEntry* entry, const Pivot& pivot) {
    return TextLess(pivot.text, entry->extension);
  }
};

// The key texts never change while the slots are swapped: the pivot can point at one.
struct ModifiedKey {
  using Pivot = const char*;
  static Pivot PivotOf(const ExplorerEntry* entry) { return entry->modifiedKey; }
  static bool Below(const ExplorerEntry* entry, Pivot pivot) {
    return TextLess(entry->modifiedKey, pivot);
  }
  static bool Above(const ExplorerEntry* entry, Pivot pivot) {
    return TextLess(pivot, entry->modifiedKey);
  }
};

// Iterative quicksort, Hoare partition around the middle slot's key, pending ranges kept as
// index pairs on an IndexStack instead of recursing.
template <typename Key>
void QuickSort(int64_t low, int64_t high) {
  ExplorerEntry** slots = sort_array.data();
  IndexStack stack;
  IndexStackInit(&stack, EXPLORER_SORT_STACK_STEP);
  bool pushed = IndexStackPush(&stack, static_cast<uint64_t>(low)) &&
                IndexStackPush(&stack, static_cast<uint64_t>(high));
  while (pushed && IndexStackCount(&stack) > 0) {
    const int64_t right = static_cast<int64_t>(IndexStackPop(&stack));
    const int64_t left = static_cast<int64_t>(IndexStackPop(&stack));
    if (left > right) continue;
    int64_t i = left;
    int64_t j = right;
    const typename Key::Pivot pivot = Key::PivotOf(slots[left + (right - left) / 2]);
    while (i <= j) {
      while (Key::Below(slots[i], pivot)) ++i;
      while (Key::Above(slots[j], pivot)) --j;
      if (i <= j) {
        ExplorerEntry* swapped = slots[i];
        slots[i] = slots[j];
        slots[j] = swapped;
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

bool IsDotDot(const ExplorerEntry* entry) {
  return std::strcmp(entry->name, EXPLORER_DOT_DOT) == 0;
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
  if (n == 0 || from == nullptr || from == list) return;
  try {
    list->entries.reserve(list->entries.size() + static_cast<std::size_t>(n));
  } catch (const std::bad_alloc&) {
    return;  // nothing moved: the sorted list still owns every entry
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
  // The nodes are the list's now: the sorted list and the slots let go of them, so that no
  // second rebuild can take them again.
  ExplorerEntryListClear(from);
  std::vector<ExplorerEntry*>().swap(sort_array);
  sorted_list = nullptr;
}

int64_t ExplorerSortArrayCount() {
  return sort_array.empty() ? 0 : static_cast<int64_t>(sort_array.size()) - 1;
}
