// Ordering of a scan: the shared sort array, the key sorts and the rebuild in display order.
#pragma once

#include <cstdint>

#include "toolkit/explorer/explorer_entries.h"

// The keys ExplorerSortRange orders by.
enum class ExplorerSortKey { Size, Extension, ModifiedKey };

// Fills ExplorerSortArray from the scan list and orders it by the current gadget's column.
void ExplorerEntriesSort(ExplorerEntryList* scanList, int64_t count);
// Orders slots low to high of ExplorerSortArray ascending by the key.
void ExplorerSortRange(int64_t low, int64_t high, ExplorerSortKey key);
// Moves the sorted entries into the list, ascending or descending, numbered from 1, with the
// texts of the list they were sorted in, which is left empty.
void ExplorerEntriesRebuild(ExplorerEntryList* list);

// ExplorerSortArray: its highest slot index (the number of entries sorted).
int64_t ExplorerSortArrayCount();
