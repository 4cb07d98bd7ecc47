// The three heap blocks that hold copies of list-view and tree-view notification records.
#pragma once

#include <cstddef>

enum NotifyBlockKind {
  NOTIFY_BLOCK_ITEM_ACTIVATE,  // NMITEMACTIVATE of list-view clicks
  NOTIFY_BLOCK_LIST_VIEW,      // NMLISTVIEW of column clicks and item changes
  NOTIFY_BLOCK_TREE_VIEW,      // NMTREEVIEWA of selection changes
  NOTIFY_BLOCK_COUNT
};

// Allocates each missing block, zero-filled; a failed allocation leaves that block null.
void NotifyCopyBlocksCreate();

// The block, or null when it could not be allocated.
void* NotifyCopyBlock(NotifyBlockKind kind);
std::size_t NotifyCopyBlockSize(NotifyBlockKind kind);

// Overwrites the whole block with the first bytes of the record; the block or null.
void* NotifyCopyBlockFill(NotifyBlockKind kind, const void* record);

// Whether the address is one of the three blocks (and so a record the sender no longer owns).
bool NotifyCopyBlockIs(const void* address);
// The size of the block at that address, 0 if it is none of them: reads stay within it.
std::size_t NotifyCopyBlockSizeAt(const void* address);
